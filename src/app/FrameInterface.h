#pragma once

#include <QList>
#include <QString>

class DateService;
class DocumentArea;
class QAction;
class QPrinter;
class QWidget;
class TFunktioner;
struct DatePageControls;
struct DocumentInfoWidgets;
struct SearchPageControls;

// What the windows created after the main window may ask of it.
class FrameInterface {
public:
    virtual QWidget *frameWidget() = 0;
    // The frame's command of that name (its caption, hint and shortcut), for tool bars and menus.
    virtual QAction *command(const QString &name) = 0;
    // Every command of the frame, for windows that take the frame's shortcuts along.
    virtual QList<QAction *> commands() = 0;
    virtual TFunktioner *funk() = 0;
    // The date service, which writes into the editor of the document activated last.
    virtual DateService &Datoer() = 0;
    virtual DocumentArea *documents() = 0;
    virtual const DocumentInfoWidgets &infoWidgets() = 0;
    // The search text and options of the menu book's "Søg" page, read by find and replace.
    virtual const SearchPageControls &searchControls() = 0;
    // The year field of the "Dokument" page that the holiday list is written for.
    virtual const DatePageControls &dateControls() = 0;
    // The printer the program prints on, as the printer settings left it.
    virtual QPrinter &printer() = 0;

    // Puts the text into the status line.
    virtual void UdskrivInfo(const QString &text) = 0;
    // The program-wide hint handler: the long part of a hint goes to the status line.
    virtual void HintInfo(const QString &hint) = 0;
    // Recomputes the standard size and the margins of every open editor.
    virtual void setStandardSize() = 0;
    // Hides the menu book when it shows the options page.
    virtual void hideOptionsPage() = 0;
    // Hides the menu book, whichever page it shows.
    virtual void hideMenuBook() = 0;
    // Shows the menu book's "Søg" page with the text in its search field, ready for "Find tekst".
    virtual void showSearchPage(const QString &text) = 0;
    // What the options switch on and off at once.
    virtual void setTabStripVisible(bool visible) = 0;
    virtual void setStatusLineVisible(bool visible) = 0;
    virtual void setTrayIconEnabled(bool enabled) = 0;
    // Whether the hints of the whole program go to HintInfo (else each widget keeps its own).
    virtual void setHintRouting(bool toHintInfo) = 0;
    // Removes the menu bar for the rest of the run; nothing when it is gone already.
    virtual void removeMainMenu() = 0;
    // Runs a numbered operation on the active document window.
    virtual void doHandling(int actionNo) = 0;
    // doHandling 2: the file information of the active document.
    virtual void udskrivFilInfo() = 0;

    // The tab strip: each document window's tab shows its caption and stays bound to that window (the
    // window passes itself), so documents of the same file name keep a tab each.
    virtual void InsertTab() = 0;
    virtual void SetTCindex() = 0;
    virtual void fokusTab(const QWidget *window) = 0;
    virtual void RenameTab(const QWidget *window, const QString &newCapNavn) = 0;
    virtual void CloseTab(const QWidget *window) = 0;
    // Marks the document's tab while its file is still streaming in.
    virtual void setTabLoading(const QWidget *window, bool loading) = 0;
    // A short notice in the status line that gives way again after a few seconds ("Gemt").
    virtual void showStatusNotice(const QString &text) = 0;

protected:
    ~FrameInterface() = default;
};
