#pragma once

#include "documents/recovery/RecoveryCopy.h"

#include <QPointer>
#include <QWidget>

class Document;
class QTextDocument;

// What the frame and the services ask of a document window, whichever kind it is. The frame's commands
// reach the active document through the numbered operations (doHandling).
class DocumentWindow : public QWidget {
    Q_OBJECT

public:
    // Full path of the document's file; empty for a document never saved.
    virtual QString Filnavn() const = 0;
    // Caption and tab title.
    virtual QString capNavn() const = 0;
    virtual bool isRichText() const = 0;
    // Whether the text has changes that are not saved.
    virtual bool isModified() const = 0;
    // True while the file is still coming in: what needs the whole text (find and replace) waits.
    virtual bool isLoading() const { return false; }
    // Left and right inner margins of the editor, in pixels.
    virtual void setEditorMargins(int pixels) = 0;
    // The document as it prints; null while it cannot be printed yet, once the user has been told why.
    virtual const QTextDocument *printableDocument() = 0;

    // The document's life apart from the window; null for a window without one, which then gets no
    // recovery copies.
    virtual Document *document() = 0;
    // Everything needed to give the document back after the program ended without saving it, taken
    // now, on the user-interface thread.
    virtual RecoveryCopy recoveryCopy() const = 0;
    // Shows a recovered copy in place of the document's text, as modified and not saved.
    virtual void restore(const RecoveryCopy &copy) = 0;

    // 0: save
    virtual void Gem() = 0;
    // 1: save under a new name
    virtual void GemSom() = 0;
    // 2: fill the frame's file information block
    virtual void filInformation() = 0;
    // 3: print with margins
    virtual void udskrivDokument() = 0;
    // 4: find; the number of matches
    virtual int FindOrd() = 0;
    // 5: replace; the number of replacements
    virtual int ErstatTekst() = 0;
    // 6: show or hide the tool panel
    virtual void showRedskabsPanel() = 0;

Q_SIGNALS:
    // The text now has changes that are not saved, or no longer has any.
    void modificationChanged(bool modified);
    // The text was written to the document's file.
    void saved();
    // The document took another file name, or its file came into being by a save.
    void fileNameChanged();

protected:
    using QWidget::QWidget;

    // The editor a screen reader names after the document: "Dokument: " and the caption, kept in step
    // with the caption.
    void nameEditorAfterCaption(QWidget *editor);
    void changeEvent(QEvent *event) override;

private:
    QPointer<QWidget> namedEditor_;
};
