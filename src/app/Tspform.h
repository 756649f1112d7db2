#pragma once

#include "app/MessageDialog.h"

class QPushButton;

// Asks a yes/no question. "Ja" answers yes and "Nej" no; Escape and the close box leave without an
// answer, which most callers count as no and the save questions as going back to the text.
class Tspform : public MessageDialog {
    Q_OBJECT

public:
    static constexpr int kYes = 1;
    static constexpr int kNo = 2;
    // Escape or the close box.
    static constexpr int kNoAnswer = QDialog::Rejected;

    explicit Tspform(QWidget *parent);

    // The button that Enter presses and that has the focus when the question shows: the answer that
    // loses nothing, decided by the asker, never by where the focus was last.
    void setDefaultAnswer(int answer);

private:
    QPushButton *no_;
    QPushButton *yes_;
};
