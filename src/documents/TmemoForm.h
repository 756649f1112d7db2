#pragma once

#include "app/PlainTextClipboard.h"

#include <QWidget>

class AppContext;
class QPlainTextEdit;

// A hidden scratch window that is never shown. Its memo turns clipboard contents into plain text.
class TmemoForm : public QWidget, public PlainTextClipboard {
    Q_OBJECT

public:
    explicit TmemoForm(AppContext &context);

    // Replaces the clipboard's contents by their plain text, passed through the memo in
    // "Courier New" 10; the clipboard is left holding that text.
    void makeClipboardPlain() override;

    QPlainTextEdit *Memo;
};
