#include "documents/model/RichTextFile.h"

#include "documents/loading/DocumentLoader.h"
#include "documents/rtf/RichTextLoader.h"
#include "documents/rtf/RtfLossNotice.h"
#include "documents/rtf/RtfWriter.h"
#include "platform/AtomicFileWriter.h"
#include "platform/FileError.h"
#include "platform/FileNames.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include <cerrno>

RichTextFile::ReadResult RichTextFile::read(const QString &path, QTextDocument &document)
{
    const QFileInfo info(path);
    if (!info.exists())
        return { false, FileError::reason(ENOENT), {} };
    if (info.isDir())
        return { false, FileError::reason(EISDIR), {} };
    if (!info.isFile())
        return { false, DocumentLoader::notAFileText(), {} };
    if (info.size() > DocumentLoader::kLargestFile)
        return { false, FileError::reason(EFBIG), {} };
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return { false, FileError::reason(errno), {} };
    errno = 0;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return { false, FileError::reason(errno ? errno : EIO), {} };

    const RtfReadResult result = RichTextLoader::load(bytes, document);
    document.setModified(false);
    switch (result.status) {
    case RtfReadResult::Status::Failed:
    case RtfReadResult::Status::Empty:
        return { false, result.error, {} };
    case RtfReadResult::Status::Read:
    case RtfReadResult::Status::NotRtf:
        break;
    }
    losses_ = result.losses;
    readFrom_ = path;
    return { true, {}, losses_ };
}

bool RichTextFile::write(const QString &path, const QTextDocument &document)
{
    const AtomicFileWriter::Result result = AtomicFileWriter::write(path, RtfWriter::write(document));
    error_ = result.error;
    // The file now holds what the document holds: nothing more can be lost from it.
    if (result.ok && FileNames::sameFile(path, readFrom_))
        losses_ = {};
    return result.ok;
}

QString RichTextFile::questionBeforeWritingOver(const QString &path) const
{
    if (!losses_ || !FileNames::sameFile(path, readFrom_))
        return {};
    return RtfLossNotice::beforeSaveOver(losses_, path);
}
