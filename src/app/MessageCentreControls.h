#pragma once

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// The message centre on the menu book's "Information" page: a title and a text to send as a
// notification, and the text the web searches look for.
struct MessageCentreControls {
    QLineEdit *bcEdit = nullptr; // the title
    QPlainTextEdit *bcMemo = nullptr; // the text
    QLabel *memoLabel = nullptr; // number of characters of the text
    QToolButton *bcNyButton = nullptr;
    QToolButton *bcButton = nullptr;
};
