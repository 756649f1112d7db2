#include "documents/TmemoForm.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TmemoForm::TmemoForm(AppContext &context)
    : QWidget(context.frame->frameWidget(), Qt::Window)
    , Memo(new QPlainTextEdit(this))
{
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo);
    hide();
}

void TmemoForm::makeClipboardPlain()
{
    Memo->clear();
    Memo->setFont(QFont(QStringLiteral("Courier New"), 10));
    Memo->paste(); // a plain-text field takes the text of the clipboard only
    Memo->selectAll();
    // Copied as text alone: the memo's own copy would add its font as formatted text again.
    if (Memo->textCursor().hasSelection())
        QGuiApplication::clipboard()->setText(Memo->toPlainText());
}
