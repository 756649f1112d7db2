#pragma once

#include "documents/model/FileInformation.h"

#include <QObject>
#include <QString>

#include <functional>

class AppContext;
class DocumentFormat;
class QTextDocument;

// The life of one document, apart from the window that shows it: its file name and caption (a numbered
// caption while it has no file), its modified state, its file format, reading failures, and the
// decisions of saving, saving under a new name and closing, with the questions they ask. It owns no
// widget: the window shows what it reports (signals, file information) and runs the editor.
//
// The text is the editor's QTextDocument, whose modified flag is the document's. The format writes it;
// reading is the window's, since a big plain file streams into the editor while it is shown.
class Document : public QObject {
    Q_OBJECT

public:
    struct TextCounts {
        qint64 characters = 0;
        int lines = 0; // without a last line that is empty
    };

    // Takes the file name and the number of a new document from the frame's hand-over fields, as the
    // opening service left them. Neither text nor format is owned.
    Document(AppContext &context, QTextDocument &text, DocumentFormat &format, QObject *parent = nullptr);

    // Full path of the file; empty for a document without one.
    const QString &Filnavn() const { return Filnavn_; }
    // The caption and tab title: the file's name, or the numbered caption of a new document.
    const QString &capNavn() const { return capNavn_; }
    // True when the name names an existing file.
    bool hasFile() const;
    // The number of the numbered caption, "N. Dokument", that the document has while it has no file.
    int untitledNumber() const { return number_; }
    QTextDocument &text() const { return text_; }
    // The text to print; null while the file is still coming in, once the user has been told so.
    const QTextDocument *printableText() const;
    DocumentFormat &format() const { return format_; }

    bool isModified() const;
    void setModified(bool modified);
    // True while the file is still coming in: saving waits and the file information says so.
    bool isLoading() const { return loading_; }
    void setLoading(bool loading) { loading_ = loading; }

    // The file could not be read, or not whole: the user is told why, and the document goes on without
    // its name and with a numbered caption, so it can never be saved over that file.
    void readFailed(const QString &reason);

    // "Gem": writes to the file; asks whether to keep the name of a file that has vanished; otherwise
    // asks for a name. True when the document was written.
    bool Gem();
    // "Gem som": asks for a name (and before overwriting another file), takes it and writes. True when
    // the document was written.
    bool GemSom();
    // Asked whenever the window is about to close: true when it may. A modified document asks whether
    // to save; going back from the question, or a save that did not happen, keeps the window open.
    bool FormCloseQuery();

    // The lines of the frame's file information. A named document whose file has vanished counts as
    // modified from now on. The counts are asked for only when the text is whole.
    FileInformation filInformation(const std::function<TextCounts()> &count);

Q_SIGNALS:
    void modifiedChanged(bool modified);
    void captionChanged(const QString &oldCaption, const QString &newCaption);
    // The name changed: taken by "Gem som", or dropped.
    void fileNameChanged(const QString &fileName);
    // Written under the name (by "Gem" or "Gem som").
    void saved(const QString &fileName);
    // "Gem som" wrote the document under its new name.
    void savedAs(const QString &fileName, const QString &caption);

private:
    QString numberedCaption() const;
    void setCaption(const QString &caption);
    void setFileName(const QString &fileName);
    bool refuseWhileLoading() const;
    bool writeTo(const QString &path);

    AppContext &context_;
    QTextDocument &text_;
    DocumentFormat &format_;
    QString Filnavn_;
    QString capNavn_;
    const int number_;
    bool loading_ = false;
};
