#pragma once

#include "app/PrintMarginsBox.h"
#include "documents/print/PageRectangle.h"

#include <QString>

// The print margins box's field texts read as numbers, or the message that says which field is wrong.
struct PrintFieldValues {
    PrintMargins margins; // in centimetres
    int copies = 0;
    QString error; // the message to show; empty when every field was read

    bool ok() const { return error.isEmpty(); }

    // The margins are read with the Danish decimal comma, whatever the system's language: the fields admit
    // only digits and commas.
    static PrintFieldValues read(const PrintMarginsBox::Fields &fields);
};
