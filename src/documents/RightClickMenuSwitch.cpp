#include "documents/RightClickMenuSwitch.h"

#include "app/Hint.h"
#include "documents/spelling/SpellingMenu.h"

#include <QMenu>
#include <QToolButton>

RightClickMenuSwitch::RightClickMenuSwitch(
    QToolButton &button, QMenu &functions, SpellingMenu &spelling, bool functionsMenu)
    : QObject(&button)
    , button_(button)
    , functions_(functions)
    , spelling_(spelling)
    , functionsMenu_(functionsMenu)
{
    connect(&button, &QToolButton::clicked, this, &RightClickMenuSwitch::puButtonClick);
    apply();
}

void RightClickMenuSwitch::puButtonClick()
{
    functionsMenu_ = !functionsMenu_;
    apply();
    Q_EMIT switched();
}

void RightClickMenuSwitch::apply()
{
    if (functionsMenu_) {
        button_.setText(QStringLiteral("Stavekontrol"));
        Hint::set(&button_, QStringLiteral("Skift popup-menu til \"Stavekontrol\""));
    } else {
        button_.setText(QStringLiteral("Funktioner"));
        Hint::set(&button_, QStringLiteral("Skift popup-menu til \"Funktioner\""));
    }
    spelling_.setActive(!functionsMenu_);
}

void RightClickMenuSwitch::showFunctionsMenu(QWidget &viewport, const QPoint &position)
{
    if (functionsMenu_)
        functions_.popup(viewport.mapToGlobal(position));
}
