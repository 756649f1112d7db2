#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class AppContext;
class DocumentArea;
class DocumentWindow;

// The one service through which every document is opened: it decides by the extension whether a file
// becomes a document window, goes to its associated program or is refused, brings an open document to
// the front instead of opening it twice, and asks before opening a type the user has not listed as text.
// It also runs and edits files through the shell, reports shell failures and formats file sizes.
class TFunktioner {
public:
    // Creates a document window for the hand-over fields; rich is true for ".rtf". The window loads
    // its file in its own creation.
    using WindowMaker = std::function<void(bool rich)>;

    TFunktioner(AppContext &context, DocumentArea &documents, WindowMaker makeWindow);

    void loadFiletypeListe();
    bool KontrolEXT(const QString &ext) const;
    bool extKontrol(const QString &aFilename) const;
    void openwin(const QString &fName, const QString &fExt);
    void runFilname(const QString &aFilename, int fileRunNumber) const;
    void OpenFilen(const QString &aFilnavn, bool forRedigering) const;
    void ErrorInfo(int Nr) const;
    static QString getFileSizeString(const QString &aFilename);
    // The extension of the file's own name from its last ".", dot included; empty when there is none.
    static QString extensionOf(const QString &fileName);

    const QStringList &filtypeListe() const { return filtypeListe_; }

private:
    AppContext &context_;
    DocumentArea &documents_;
    WindowMaker makeWindow_;
    QStringList filtypeListe_;
};
