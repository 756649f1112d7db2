#pragma once

#include <QWidget>

// What the frame and the services ask of a document window, whichever kind it is.
class DocumentWindow : public QWidget {
    Q_OBJECT

public:
    // Full path of the document's file; empty for a document never saved.
    virtual QString Filnavn() const = 0;
    virtual bool isRichText() const = 0;
    // Caption and tab title.
    virtual QString capNavn() const = 0;
    // Left and right inner margins of the editor, in pixels.
    virtual void setEditorMargins(int pixels) = 0;

protected:
    using QWidget::QWidget;
};
