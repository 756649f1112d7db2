#include "support/ListedDocument.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentListEvents.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>

ListedDocument *ListedDocument::open(AppContext &context, const QString &fileName)
{
    auto *window = new ListedDocument(context, fileName);
    context.frame->documents()->add(window);
    window->parentWidget()->show();
    context.frame->documents()->activate(window);
    if (QFileInfo(fileName).isFile())
        context.documentLists->documentOpened(fileName, window->capNavn());
    return window;
}

ListedDocument::ListedDocument(AppContext &context, const QString &fileName)
    : context_(context)
    , fileName_(fileName)
{ }

QString ListedDocument::capNavn() const
{
    return QFileInfo(fileName_).fileName();
}

void ListedDocument::saveAs(const QString &fileName)
{
    QFile::copy(fileName_, fileName);
    fileName_ = fileName;
    if (QFileInfo(fileName).isFile())
        context_.documentLists->documentSavedAs(fileName, capNavn());
}

void ListedDocument::closeWindow()
{
    parentWidget()->close();
    // The sub-window deletes itself once the event loop runs; until then the area still counts it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ListedDocument::closeEvent(QCloseEvent *event)
{
    if (QFileInfo(fileName_).isFile())
        context_.documentLists->documentClosed(fileName_, capNavn());
    event->accept();
}
