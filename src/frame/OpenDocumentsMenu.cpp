#include "frame/OpenDocumentsMenu.h"

#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"

#include <QDir>
#include <QFileInfo>

OpenDocumentsMenu::OpenDocumentsMenu(DocumentArea &documents, QWidget *parent)
    : QMenu(QStringLiteral("Åbne"), parent)
    , documents_(documents)
    , count_(new QAction(QStringLiteral("Åbne dokumenter"), this))
{
    setObjectName(QStringLiteral("mainMenu7"));
    setToolTipsVisible(true);
    menuAction()->setStatusTip(QStringLiteral("Åbne dokumenter"));
    connect(this, &QMenu::aboutToShow, this, &OpenDocumentsMenu::mainMenu7Click);
}

QString OpenDocumentsMenu::countText(int documents)
{
    if (documents == 0)
        return QStringLiteral("Der er ingen åbne dokumenter");
    if (documents == 1)
        return QStringLiteral("Der er et åbent dokument");
    return QStringLiteral("Der er ") + QString::number(documents) + QStringLiteral(" åbne dokumenter");
}

void OpenDocumentsMenu::mainMenu7Click()
{
    clear();
    const QList<DocumentWindow *> windows = documents_.windowsInOrder();
    count_->setText(countText(int(windows.size())));
    addAction(count_);
    addSeparator();
    const DocumentWindow *active = documents_.activeDocument();
    for (DocumentWindow *window : windows) {
        QAction *entry = addAction(window->capNavn());
        entry->setCheckable(true);
        entry->setChecked(window == active);
        // Documents of the same file name from different folders are told apart by the folder.
        if (!window->Filnavn().isEmpty())
            entry->setToolTip(QDir::toNativeSeparators(QFileInfo(window->Filnavn()).absolutePath()));
        connect(entry, &QAction::triggered, this, [this, window] { documents_.activate(window); });
    }
}
