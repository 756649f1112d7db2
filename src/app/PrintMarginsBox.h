#pragma once

#include <QString>

// What the print margins box offers the windows that print: its five fields, kept while the program runs.
class PrintMarginsBox {
public:
    struct Fields {
        QString left; // centimetres, with the Danish decimal comma
        QString right;
        QString top;
        QString bottom;
        QString copies;
    };

    // Shows the box modally; true when the user chose to print.
    virtual bool askForPrint() = 0;
    virtual Fields fields() const = 0;

protected:
    ~PrintMarginsBox() = default;
};
