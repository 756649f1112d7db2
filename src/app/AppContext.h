#pragma once

#include "app/CurrentFolder.h"
#include "app/FrameFields.h"
#include "platform/Platform.h"

#include <QList>

class DocumentListEvents;
class FileListTarget;
class FontListEditor;
class FrameInterface;
class Options;
class PlainTextClipboard;
class PrintMarginsBox;
class QWidget;
class SpellingService;
class Tinfform;
class Tspform;
class Tmappefilform;
class Tfavoritform;
class Tprintform;
class Tfilform;
class Topenform;
class Tfindformen;
class TmemoForm;
class Tboksform;
class Tfilmappeform;
class Ttypeform;
class Toptform;
class Tgenvejsform;

// How the windows reach each other: one pointer per window, filled in creation order, so a window's
// constructor may use only those created before it. The main window is reached through FrameInterface
// and its fields, never through its own class.
class AppContext {
public:
    explicit AppContext(Platform &platform)
        : platform(platform)
    { }
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    // The answer a question falls back on, the one that loses nothing: Enter gives it.
    enum class Safe { Yes, No };
    // What the user chose when asked whether to save text that would otherwise be thrown away.
    enum class SaveChoice { Save, Discard, GoBack };

    // The information dialog with the text.
    void inform(const QString &text) const;
    // The question dialog with the text; true only when the user answered "Ja".
    bool ask(const QString &text, Safe safe) const;
    // The question dialog for "save before the text goes?": "Ja" saves, "Nej" discards, and Escape or the
    // close box go back to the text, which is kept.
    SaveChoice askSave(const QString &text) const;

    Platform &platform;
    FrameFields fields;
    CurrentFolder currentFolder;

    FrameInterface *frame = nullptr;
    // The program's spell checking, made with the frame.
    SpellingService *spelling = nullptr;
    // What the windows offer one another, set by each as it is created; null until then.
    DocumentListEvents *documentLists = nullptr; // the document box
    FileListTarget *closedDocuments = nullptr; // the document box's closed list
    FileListTarget *favourites = nullptr; // the favourites box's list
    PlainTextClipboard *plainClipboard = nullptr; // the scratch memo
    PrintMarginsBox *printMargins = nullptr; // the print margins box
    FontListEditor *fontListEditor = nullptr; // the font names box
    const Options *options = nullptr; // the options box
    // The tool boxes whose hints follow the hint mode, in creation order.
    QList<QWidget *> hintedBoxes;

    Tinfform *infform = nullptr;
    Tspform *spform = nullptr;
    Tmappefilform *mappefilform = nullptr;
    Tfavoritform *favoritform = nullptr;
    Tprintform *printform = nullptr;
    Tfilform *filform = nullptr;
    Topenform *openform = nullptr;
    Tfindformen *findformen = nullptr;
    TmemoForm *memoForm = nullptr;
    Tboksform *boksform = nullptr;
    Tfilmappeform *filmappeform = nullptr;
    Ttypeform *typeform = nullptr;
    Toptform *optform = nullptr;
    Tgenvejsform *genvejsform = nullptr;
};
