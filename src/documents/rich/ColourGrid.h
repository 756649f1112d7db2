#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class QToolButton;

// The sixteen standard colours as a clickable grid of two rows: a click chooses the text colour of the
// selection. The grid marks the colour of the text at the caret when it is one of the sixteen.
class ColourGrid : public QWidget {
    Q_OBJECT

public:
    explicit ColourGrid(QWidget *parent = nullptr);

    static const QList<QColor> &colours();
    // Marks the colour, or none when it is not one of the grid's.
    void mark(const QColor &colour);
    // The colour marked; invalid when none is.
    QColor marked() const;
    QToolButton *button(int index) const { return buttons_.value(index); }

Q_SIGNALS:
    void colourChosen(const QColor &colour);

private:
    QList<QToolButton *> buttons_;
};
