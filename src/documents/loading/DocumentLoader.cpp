#include "documents/loading/DocumentLoader.h"

#include "documents/PlainEditor.h"
#include "platform/FileError.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextDocument>

#include <cerrno>
#include <limits>
#include <utility>

namespace {

// The first piece fills several screens and takes a few milliseconds to insert.
constexpr qint64 kFirstPieceBytes = 64 * 1024;
// Inserting text costs about 30 ms per MB, so one piece stays well below a frame.
constexpr qint64 kPieceBytes = 128 * 1024;
// How long one slice of the event loop may insert before input and painting get their turn.
constexpr qint64 kSliceMilliseconds = 12;

void removeAllText(QTextDocument *document)
{
    QTextCursor cursor(document);
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

// Where the last paragraph break of the text ends (0 when it has none), as QTextCursor::insertText
// breaks paragraphs.
qsizetype afterLastBreak(const QString &text)
{
    for (qsizetype i = text.size(); i > 0; --i) {
        const QChar c = text[i - 1];
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator)
            return i;
    }
    return 0;
}

} // namespace

QString DocumentLoader::notAFileText()
{
    return QStringLiteral("Navnet er ikke en almindelig fil.");
}

DocumentLoader::DocumentLoader(QObject *parent)
    : QObject(parent)
{
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &DocumentLoader::readSlice);
}

DocumentLoader::~DocumentLoader()
{
    stop();
}

bool DocumentLoader::start(const QString &path, PlainEditor &editor, LineEnding fallback)
{
    cancel();
    errorText_.clear();
    complete_ = false;
    const QFileInfo info(path);
    if (!info.exists()) {
        errorText_ = FileError::reason(ENOENT);
        return false;
    }
    if (info.isDir()) {
        errorText_ = FileError::reason(EISDIR);
        return false;
    }
    // Devices and pipes have no end to wait for.
    if (!info.isFile()) {
        errorText_ = notAFileText();
        return false;
    }
    if (info.size() > kLargestFile) {
        errorText_ = FileError::reason(EFBIG);
        return false;
    }
    file_.setFileName(path);
    errno = 0;
    if (!file_.open(QIODevice::ReadOnly)) {
        errorText_ = FileError::reason(errno);
        return false;
    }

    editor_ = &editor;
    fallback_ = fallback;
    decoder_ = TextStreamDecoder(fallback);
    bytesRead_ = 0;
    totalBytes_ = info.size();
    QTextDocument *document = editor.document();
    undoWasEnabled_ = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    removeAllText(document);
    editorFlags_ = editor.textInteractionFlags();
    editor.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    end_ = QTextCursor(document);
    loading_ = true;

    readFor(kFirstPieceBytes, std::numeric_limits<qint64>::max());
    if (loading_) {
        Q_EMIT progress(bytesRead_, totalBytes_);
        slices_.start();
    }
    return true;
}

void DocumentLoader::cancel()
{
    stop();
}

void DocumentLoader::readSlice()
{
    if (!editor_) {
        stop();
        return;
    }
    readFor(std::numeric_limits<qint64>::max(), kSliceMilliseconds);
    if (loading_)
        Q_EMIT progress(bytesRead_, totalBytes_);
}

void DocumentLoader::readFor(qint64 byteBudget, qint64 milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    qint64 used = 0;
    while (loading_ && used < byteBudget && clock.elapsed() < milliseconds)
        used += readPiece(std::min(kPieceBytes, byteBudget - used));
    // A file read up to its known size ends now rather than one slice later.
    if (loading_ && bytesRead_ >= totalBytes_)
        readPiece(kPieceBytes);
}

qint64 DocumentLoader::readPiece(qint64 maxBytes)
{
    buffer_.resize(maxBytes);
    errno = 0;
    const qint64 count = file_.read(buffer_.data(), maxBytes);
    if (count < 0) {
        fail(FileError::reason(errno ? errno : EIO));
        return 0;
    }
    const QString text
        = count == 0 ? decoder_.finish() : decoder_.decode(QByteArrayView(buffer_).first(count));
    if (decoder_.needsRestart()) {
        restartInWindows1252();
        return count;
    }
    insert(text);
    bytesRead_ += count;
    if (count == 0)
        complete();
    else if (bytesRead_ > kLargestFile) // the file grew while it was read
        fail(FileError::reason(EFBIG));
    return count;
}

void DocumentLoader::insert(QString text)
{
    // The characters after the text's last paragraph break: a line that has not ended yet.
    const qsizetype tail = text.size() - afterLastBreak(text);
    const bool endsLine = tail < text.size();
    if (!heldLine_.isEmpty()) {
        if (!endsLine) {
            heldLine_ += text;
            return;
        }
        // The held line ends in this piece: it goes in with the lines after it, in one edit.
        text.prepend(std::exchange(heldLine_, QString()));
    }
    if (endsLine)
        lastLineInEditor_ = 0;
    if (firstPieceIn_ && lastLineInEditor_ + tail > kLongestGrowingLine) {
        heldLine_ = text.right(tail);
        text.chop(tail);
    } else {
        lastLineInEditor_ += tail;
    }
    firstPieceIn_ = true;
    if (!text.isEmpty())
        end_.insertText(text);
    // The text read is the file's: closing the window half way must not offer to save a part over it.
    editor_->document()->setModified(false);
}

void DocumentLoader::restartInWindows1252()
{
    heldLine_.clear();
    lastLineInEditor_ = 0;
    firstPieceIn_ = false;
    removeAllText(editor_->document());
    decoder_ = TextStreamDecoder::windows1252(fallback_);
    bytesRead_ = 0;
    if (!file_.seek(0))
        fail(FileError::reason(errno ? errno : EIO));
}

void DocumentLoader::complete()
{
    complete_ = true;
    stop();
    Q_EMIT progress(bytesRead_, totalBytes_);
    Q_EMIT finished();
}

void DocumentLoader::fail(const QString &reason)
{
    errorText_ = reason;
    stop();
    Q_EMIT failed(reason);
}

void DocumentLoader::stop()
{
    slices_.stop();
    if (!loading_)
        return;
    if (editor_ && !heldLine_.isEmpty())
        end_.insertText(heldLine_);
    heldLine_.clear();
    lastLineInEditor_ = 0;
    firstPieceIn_ = false;
    loading_ = false;
    file_.close();
    end_ = QTextCursor();
    buffer_ = QByteArray();
    if (editor_) {
        QTextDocument *document = editor_->document();
        document->setUndoRedoEnabled(undoWasEnabled_);
        document->setModified(false);
        editor_->setTextInteractionFlags(editorFlags_);
    }
}
