#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <vector>

// One of the program's own visual themes: a few colours from which the whole palette and a small style
// sheet over the Fusion style are made, so that every window, list, tab, menu and the status line follow
// it alike.
struct ThemeDefinition {
    QString name;
    QColor window; // window and dialog backgrounds
    QColor windowText; // labels, check boxes, group captions
    QColor base; // lists and input fields
    QColor text; // text in lists and input fields
    QColor button;
    QColor buttonText;
    QColor highlight; // selection
    QColor highlightedText;
    QColor panel; // the bars at the top and bottom of the main window
    QColor panelText;
    QColor link;

    QPalette palette() const;
    QString styleSheet() const;
    // Behind the document windows.
    QColor workspace() const;

    // The themes the program carries, in the order they are offered.
    static const std::vector<ThemeDefinition> &carried();
    // Disabled text: between the text colour and its background, still readable.
    static QColor disabled(const QColor &foreground, const QColor &background);
    // The style sheet rule giving the document area its colour.
    static QString workspaceRule(const QColor &colour);
};
