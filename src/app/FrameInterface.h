#pragma once

#include <QString>

class QAction;
class QWidget;

// What the windows created after the main window may ask of it.
class FrameInterface {
public:
    virtual QWidget *frameWidget() = 0;
    // Puts the text into the status line.
    virtual void UdskrivInfo(const QString &text) = 0;
    // The program-wide hint handler: the long part of a hint goes to the status line.
    virtual void HintInfo(const QString &hint) = 0;
    // Recomputes the standard size and the margins of every open editor.
    virtual void setStandardSize() = 0;
    // Hides the menu book when it shows the options page.
    virtual void hideOptionsPage() = 0;
    // Sets the frame to its standard size.
    virtual QAction *aProgramSize() = 0;

protected:
    ~FrameInterface() = default;
};
