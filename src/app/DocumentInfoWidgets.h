#pragma once

#include <QString>

class QLabel;
class QLineEdit;

// The frame's fields that describe the active document. They sit on the menu book's pages; the
// document windows fill them. The three name fields always show the same name.
struct DocumentInfoWidgets {
    QLineEdit *filnavnEdit = nullptr;
    QLineEdit *docFilnavnEdit = nullptr;
    QLineEdit *skiftDocFilnavnEdit = nullptr;
    QLabel *filsizeLabel = nullptr;
    QLabel *antalLinjerLabel = nullptr;
    QLabel *filModificeretLabel = nullptr;

    void setName(const QString &name) const;
    // "Der er ingen åbne dokumenter." and empty information lines.
    void reset() const;
};
