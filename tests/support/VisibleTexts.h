#pragma once

#include <QList>
#include <QString>

class QWidget;

// Every text a widget tree shows the user or speaks through a screen reader, with where it was seen:
// window titles, labels, buttons, group and tab titles, placeholders, the chosen item of a drop-down,
// menu and action captions, hints, list headers and accessible names. The contents of lists and folder
// and file names are the user's data and left out, except in a file dialog's list, where the kind, size
// and date of each file are the dialog's own words; so are the printers the system has set up.
struct SeenText {
    QString text;
    QString where;
};

namespace VisibleTexts {
QList<SeenText> of(QWidget *top);
} // namespace VisibleTexts
