#include "support/StubDocumentWindow.h"

#include "app/AppContext.h"
#include "app/DocumentInfoWidgets.h"
#include "app/FrameInterface.h"
#include "documents/DocumentArea.h"
#include "frame/Tmainform.h"
#include "support/TestApp.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QVBoxLayout>

StubDocumentWindow::StubDocumentWindow(AppContext &context, const QString &caption, QWidget *parent)
    : DocumentWindow(parent)
    , editor(new QPlainTextEdit(this))
    , context_(context)
    , caption_(caption)
{
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
}

StubDocumentWindow *StubDocumentWindow::open(TestApp &app, const QString &caption)
{
    DocumentArea *documents = app.frame().documents();
    auto *window = static_cast<StubDocumentWindow *>(documents->add([&](QWidget *parent) -> DocumentWindow * {
        return new StubDocumentWindow(app.context, caption, parent);
    }));
    window->parentWidget()->show();
    documents->activate(window);
    return window;
}

const QTextDocument *StubDocumentWindow::printableDocument()
{
    return editor->document();
}

void StubDocumentWindow::Gem()
{
    calls << QStringLiteral("Gem");
    setModified(false);
}

void StubDocumentWindow::filInformation()
{
    calls << QStringLiteral("filInformation");
    context_.frame->infoWidgets().setName(caption_);
}

int StubDocumentWindow::FindOrd()
{
    calls << QStringLiteral("FindOrd");
    return matches;
}

int StubDocumentWindow::ErstatTekst()
{
    calls << QStringLiteral("ErstatTekst");
    return matches;
}

void StubDocumentWindow::setModified(bool modified)
{
    modified_ = modified;
    context_.fields.docModified = modified;
    Q_EMIT modificationChanged(modified);
}

void StubDocumentWindow::closeEvent(QCloseEvent *event)
{
    if (modified_)
        context_.ask(QStringLiteral("Gem ændringer i ") + caption_ + u'?', AppContext::Safe::Yes);
    event->accept();
}
