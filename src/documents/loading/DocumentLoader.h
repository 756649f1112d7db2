#pragma once

#include "platform/TextStreamDecoder.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTextCursor>
#include <QTimer>

class PlainEditor;

// Reads a plain-text file into a PlainEditor so that a big file shows its first screen at once and the
// rest streams in while the window stays responsive. The first piece is read before start() returns;
// the rest follows in slices of the event loop, each kept short so that input and painting go on in
// between. A file that fits in the first piece is read whole in start().
//
// A line that grows past kLongestGrowingLine characters is held back from the second piece on and goes in
// whole once its end has been read: the editor lays a paragraph out again each time it grows, which for
// a line of megabytes made loading it in slices quadratic.
//
// While loading, the editor can be scrolled, selected in and copied from but not edited, its undo
// history is off and the document stays unmodified: it becomes editable, with an empty undo history,
// when the whole text is in. The text is decoded as TextCodec::decode does (see TextStreamDecoder); when a
// file turns out not to be UTF-8 after Danish letters were already shown, the load starts again from the
// first byte in Windows-1252.
//
// Use from a document window:
//     loader = new DocumentLoader(this);
//     connect(loader, &DocumentLoader::finished, ...);   // whole text in: enable save, search, info
//     connect(loader, &DocumentLoader::failed, ...);     // Danish reason; the text is incomplete
//     if (!loader->start(path, *editor)) show(loader->errorText());
// Closing the window during the load just stops it: destroying the editor or the loader ends the
// reading, and cancel() does the same on request.
class DocumentLoader : public QObject {
    Q_OBJECT

public:
    explicit DocumentLoader(QObject *parent = nullptr);
    ~DocumentLoader() override;

    // Files above this size are refused: the editor counts characters in int, and a document costs
    // several times its file size in memory.
    static constexpr qint64 kLargestFile = qint64(1) << 30;
    // Laying out this many characters takes a few milliseconds.
    static constexpr qsizetype kLongestGrowingLine = 16 * 1024;

    // Empties the editor and starts reading the file into it. False, with errorText() in Danish, when
    // the file cannot be opened (missing, a folder, a device, no access, too big); the editor is then
    // untouched.
    // The fallback is the line ending of a file without line breaks. finished() may be emitted before
    // this returns (small files), so connect first.
    bool start(
        const QString &path, PlainEditor &editor, LineEnding fallback = TextCodec::platformLineEnding());
    // Stops reading; the editor keeps the text read so far and becomes editable again. No signal.
    void cancel();

    // The reason given for a name that is no regular file (a device, a pipe).
    static QString notAFileText();

    bool isLoading() const { return loading_; }
    // True once the whole file is in the editor.
    bool isComplete() const { return complete_; }
    QString errorText() const { return errorText_; }
    // Final once finished() has been emitted.
    TextEncoding encoding() const { return decoder_.encoding(); }
    LineEnding lineEnding() const { return decoder_.lineEnding(); }
    LineEndExceptions lineEndExceptions() const { return decoder_.lineEndExceptions(); }
    qint64 bytesRead() const { return bytesRead_; }
    qint64 totalBytes() const { return totalBytes_; }

Q_SIGNALS:
    void progress(qint64 bytesRead, qint64 totalBytes);
    // The whole text is in the editor, and encoding() and lineEnding() are known.
    void finished();
    // Reading stopped half way; the editor holds the text read so far.
    void failed(const QString &reason);

private:
    void readSlice();
    void readFor(qint64 byteBudget, qint64 milliseconds);
    // Reads and inserts up to one piece; at the end of the file the load completes. Returns the bytes
    // read.
    qint64 readPiece(qint64 maxBytes);
    void restartInWindows1252();
    void complete();
    void fail(const QString &reason);
    void stop();
    void insert(QString text);

    QPointer<PlainEditor> editor_;
    QFile file_;
    TextStreamDecoder decoder_ { LineEnding::Lf };
    LineEnding fallback_ = LineEnding::Lf;
    QTextCursor end_;
    QByteArray buffer_;
    // The end of the last line read, not yet in the editor; and the length of the part that is.
    QString heldLine_;
    qsizetype lastLineInEditor_ = 0;
    bool firstPieceIn_ = false;
    QTimer slices_;
    Qt::TextInteractionFlags editorFlags_;
    bool undoWasEnabled_ = true;
    bool loading_ = false;
    bool complete_ = false;
    QString errorText_;
    qint64 bytesRead_ = 0;
    qint64 totalBytes_ = 0;
};
