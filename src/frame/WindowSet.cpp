#include "frame/WindowSet.h"

#include "app/AppContext.h"
#include "app/Tinfform.h"
#include "app/Tspform.h"
#include "documents/TmemoForm.h"
#include "documents/Tprintform.h"
#include "documents/Ttypeform.h"
#include "frame/Tgenvejsform.h"
#include "frame/Tmainform.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "lists/Topenform.h"
#include "options/Tboksform.h"
#include "options/Toptform.h"
#include "search/Tfilmappeform.h"
#include "search/Tfindformen.h"

WindowSet::WindowSet(AppContext &context)
    : frame_(std::make_unique<Tmainform>(context))
{
    // Each window may use the ones before it in this order, never those after it. A context that served
    // an earlier set (a restart in the same process) starts its list of boxes afresh.
    context.hintedBoxes.clear();
    context.infform = new Tinfform(frame_.get());
    context.spform = new Tspform(frame_.get());
    context.mappefilform = new Tmappefilform(context);
    context.hintedBoxes << context.mappefilform;
    context.favoritform = new Tfavoritform(context);
    context.favourites = context.favoritform;
    context.hintedBoxes << context.favoritform;
    context.printform = new Tprintform(context);
    context.printMargins = context.printform;
    context.filform = new Tfilform(context);
    context.closedDocuments = context.filform;
    context.documentLists = context.filform;
    context.hintedBoxes << context.filform;
    context.openform = new Topenform(context);
    context.findformen = new Tfindformen(context);
    context.hintedBoxes << context.findformen;
    context.memoForm = new TmemoForm(context);
    context.plainClipboard = context.memoForm;
    context.boksform = new Tboksform(context);
    context.fontListEditor = context.boksform;
    context.hintedBoxes << context.boksform;
    context.filmappeform = new Tfilmappeform(context);
    context.hintedBoxes << context.filmappeform;
    context.typeform = new Ttypeform(context);
    context.hintedBoxes << context.typeform;
    context.optform = new Toptform(context);
    context.genvejsform = new Tgenvejsform(context);
}

WindowSet::~WindowSet() = default;
