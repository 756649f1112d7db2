#include "frame/MainMenuPanel.h"

#include "app/CommandButton.h"
#include "frame/FrameCommands.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenuBar>

namespace {

struct PageCommand {
    const char *name;
    const char *caption;
};

// "Information" is called "Info" on its button and in the menu bar.
constexpr PageCommand kPageCommands[] = {
    { "openMenu1", "Fil" },
    { "openMenu2", "Dokument" },
    { "openMenu3", "Søg" },
    { "openMenu4", "Vindue" },
    { "openMenu7", "Bokse" },
    { "openMenu6", "Egenskaber" },
    { "openMenu5", "Info" },
};

} // namespace

MainMenuPanel::MainMenuPanel(const FrameCommands &commands, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("hovedmenuPanel"));
    // The themes colour the row through a style sheet, which a widget of its own class draws only when asked.
    setAttribute(Qt::WA_StyledBackground);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    for (const PageCommand &page : kPageCommands) {
        row->addWidget(new CommandButton(
            commands.get(QString::fromLatin1(page.name)), this, QString::fromUtf8(page.caption)));
    }
    row->addStretch();
}

void MainMenuPanel::fillMenuBar(QMenuBar *menuBar, const FrameCommands &commands)
{
    for (const PageCommand &page : kPageCommands) {
        QAction *command = commands.get(QString::fromLatin1(page.name));
        const QString caption = QString::fromUtf8(page.caption);
        if (command->text() == caption) {
            menuBar->addAction(command);
            continue;
        }
        // An item of its own that runs the command; it carries no key, the command keeps those.
        QAction *item = menuBar->addAction(caption);
        item->setStatusTip(command->statusTip());
        QObject::connect(item, &QAction::triggered, command, &QAction::trigger);
    }
}
