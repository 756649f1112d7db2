#include "app/WindowSet.h"

#include "app/AppContext.h"
#include "app/Tgenvejsform.h"
#include "app/Tinfform.h"
#include "app/TmemoForm.h"
#include "app/Tmainform.h"
#include "app/Topenform.h"
#include "app/Tspform.h"
#include "documents/Tprintform.h"
#include "documents/Ttypeform.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "options/Tboksform.h"
#include "options/Toptform.h"
#include "search/Tfilmappeform.h"
#include "search/Tfindformen.h"

WindowSet::WindowSet(AppContext &context)
    : frame_(std::make_unique<Tmainform>(context))
{
    // Each window may use the ones before it in this order, never those after it.
    context.infform = new Tinfform(frame_.get());
    context.spform = new Tspform(frame_.get());
    context.mappefilform = new Tmappefilform(context);
    context.favoritform = new Tfavoritform(context);
    context.printform = new Tprintform(context);
    context.filform = new Tfilform(context);
    context.openform = new Topenform(context);
    context.findformen = new Tfindformen(context);
    context.memoForm = new TmemoForm(context);
    context.boksform = new Tboksform(context);
    context.filmappeform = new Tfilmappeform(context);
    context.typeform = new Ttypeform(context);
    context.optform = new Toptform(context);
    context.genvejsform = new Tgenvejsform(context);
}

WindowSet::~WindowSet() = default;
