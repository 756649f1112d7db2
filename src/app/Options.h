#pragma once

#include <QString>
#include <QStringList>

// The user's options as values. The options box keeps them (on its page of the menu book) and is the
// only one that touches its controls; every other window asks here.
class Options {
public:
    enum class HintMode { StatusLine = 0, AtElements = 1, Hidden = 2 };
    enum class RightClick { EditMenu = 0, FunctionsMenu = 1 };
    // The entries a drop-down offers and the one chosen (-1 for none).
    struct Choice {
        QStringList entries;
        int current = -1;
    };

    virtual QString designName() const = 0;
    virtual HintMode hintMode() const = 0;
    // Start-up
    virtual bool reopenDocuments() const = 0;
    virtual bool showFoldersBoxAtStart() const = 0;
    virtual bool showFavouritesBoxAtStart() const = 0;
    virtual bool showDocumentBoxAtStart() const = 0;
    virtual bool minimiseAtStart() const = 0;
    // Program
    virtual bool askBeforeOpen() const = 0;
    virtual bool showTabStrip() const = 0;
    virtual bool showMenuBar() const = 0;
    virtual bool showMainMenuPanel() const = 0;
    virtual bool trayIcon() const = 0;
    // Lists
    virtual bool saveFavouritesWithoutAsking() const = 0;
    virtual bool insertNewFirst() const = 0;
    virtual int maxElements() const = 0;
    // Documents
    // The font names and sizes offered in the documents' tool panels, and those new documents start with.
    virtual Choice fontNameChoice() const = 0;
    virtual Choice fontSizeChoice() const = 0;
    virtual bool showToolPanel() const = 0;
    virtual bool wideMargins() const = 0;
    virtual RightClick rightClick() const = 0;

protected:
    ~Options() = default;
};
