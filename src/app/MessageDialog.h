#pragma once

#include <QDialog>
#include <QStyle>

class ModalRunner;
class QHBoxLayout;
class QLabel;

// The shape both message windows share: a fixed width of 339 pixels, a wrapping text at the top whose
// height decides the window's, and a 31-pixel row at the bottom with a small picture at its left end and the
// buttons in its middle.
class MessageDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 339;
    static constexpr int kButtonRowHeight = 31;
    static constexpr int kHeightBesideText = 80;

    void insertTekst(const QString &text);
    void resetValues();
    // Sizes the window to its text, shows it modally and empties it again; the result is 1 for OK or
    // "Ja", anything else otherwise.
    int showModal(ModalRunner &runner);

    QString text() const;
    QLabel *textLabel() const { return label_; }

protected:
    MessageDialog(QWidget *parent, const QString &caption, QStyle::StandardPixmap picture);
    QHBoxLayout *buttonRow() const { return buttons_; }

private:
    void fitHeightToText();

    QLabel *label_;
    QHBoxLayout *buttons_;
};
