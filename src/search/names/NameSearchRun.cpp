#include "search/names/NameSearchRun.h"

#include "platform/FileError.h"
#include "search/FolderEntries.h"

#include <QFile>

#include <memory>
#include <vector>

namespace {

// One folder of the walk being gone through.
struct Level {
    FolderEntries entries;
    QByteArray path;
    int next = 0;
};

bool holds(QByteArrayView name, QByteArrayView text)
{
    const qsizetype last = name.size() - text.size();
    for (qsizetype at = 0; at <= last; ++at) {
        qsizetype i = 0;
        for (; i < text.size(); ++i) {
            char c = name[at + i];
            if (c >= 'A' && c <= 'Z')
                c = char(c + ('a' - 'A'));
            if (c != text[i])
                break;
        }
        if (i == text.size())
            return true;
    }
    return false;
}

bool listWithTheSystem(FolderEntries &entries, const QByteArray &folder, bool sorted)
{
    return entries.list(folder, sorted);
}

class Walk {
public:
    Walk(const NameSearchRequest &request, NameSearchSink &sink, const std::atomic_bool &stop,
        const NameSearchRun::Settings &settings)
        : request_(request)
        , sink_(sink)
        , stop_(stop)
        , list_(settings.list ? settings.list : listWithTheSystem)
        // A name's bytes hold the text's bytes exactly where the name holds the text.
        , text_(QFile::encodeName(NameSearchRun::foldedAToZ(request.text)))
    { }

    NameSearchSummary run()
    {
        // The count stops where the search does, before the first entry, only when the limit is 0.
        if (request_.limit == 0)
            return summary_;
        enter(QFile::encodeName(request_.folder));
        while (depth_ > 0) {
            Level &level = *levels_[size_t(depth_ - 1)];
            if (level.next == level.entries.count()) {
                --depth_;
                continue;
            }
            if (stop_) {
                summary_.stopped = true;
                break;
            }
            handle(level, level.next++);
        }
        return summary_;
    }

private:
    bool limitReached() const
    {
        return summary_.foundFiles == request_.limit || summary_.foundFolders == request_.limit;
    }

    void handle(Level &level, int index)
    {
        const FolderEntries::Kind kind = level.entries.kind(index);
        const QByteArrayView name = level.entries.name(index);
        ++summary_.progressTotal;
        if (!limited_ && limitReached())
            limited_ = true;
        if (!limited_)
            examine(level, kind, name);
        if (kind == FolderEntries::Kind::Folder)
            enter(FolderEntries::joined(level.path, name));
    }

    void examine(const Level &level, FolderEntries::Kind kind, QByteArrayView name)
    {
        ++summary_.progressPosition;
        const bool folder = kind == FolderEntries::Kind::Folder || kind == FolderEntries::Kind::FolderLink;
        if (folder)
            ++summary_.examinedFolders;
        else
            ++summary_.examinedFiles;
        // A link to nothing is neither an existing folder nor an existing file: it is not found.
        if (kind == FolderEntries::Kind::BrokenLink || !holds(name, text_))
            return;
        const NameHit hit { FolderEntries::decoded(name),
            FolderEntries::decoded(FolderEntries::joined(level.path, name)) };
        if (folder) {
            ++summary_.foundFolders;
            sink_.folderFound(hit);
        } else {
            ++summary_.foundFiles;
            sink_.fileFound(hit);
        }
    }

    // Lists the folder as the next level of the walk; once the search has ended only the count needs it,
    // and the count needs no order.
    void enter(const QByteArray &path)
    {
        if (levels_.size() == size_t(depth_))
            levels_.push_back(std::make_unique<Level>());
        Level &level = *levels_[size_t(depth_)];
        level.path = path;
        level.next = 0;
        if (!list_(level.entries, path, !limited_)) {
            if (!limited_)
                summary_.unreadable.append(
                    { FolderEntries::decoded(path), FileError::reason(level.entries.error()) });
            return;
        }
        ++depth_;
    }

    const NameSearchRequest &request_;
    NameSearchSink &sink_;
    const std::atomic_bool &stop_;
    std::function<bool(FolderEntries &, const QByteArray &, bool)> list_;
    QByteArray text_;
    NameSearchSummary summary_;
    bool limited_ = false;
    // The levels are kept from folder to folder, so their buffers are allocated once per depth.
    std::vector<std::unique_ptr<Level>> levels_;
    int depth_ = 0;
};

} // namespace

NameSearchSummary NameSearchRun::run(const NameSearchRequest &request, NameSearchSink &sink,
    const std::atomic_bool &stop, const Settings &settings)
{
    return Walk(request, sink, stop, settings).run();
}

NameSearchSummary NameSearchRun::run(const NameSearchRequest &request, NameSearchSink &sink)
{
    const std::atomic_bool neverStop = false;
    return run(request, sink, neverStop);
}

QString NameSearchRun::foldedAToZ(const QString &text)
{
    QString folded = text;
    for (QChar &c : folded) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return folded;
}

QString NameSearchSummary::foldersHeading() const
{
    if (examinedFolders == 0)
        return {};
    return QStringLiteral("Der er undersøgt %1:%2 mappenavne").arg(examinedFolders).arg(foundFolders);
}

QString NameSearchSummary::filesHeading() const
{
    if (examinedFiles == 0)
        return {};
    return QStringLiteral("Der er undersøgt %1:%2 filnavne").arg(examinedFiles).arg(foundFiles);
}

QString NameSearchSummary::progressText() const
{
    if (progressTotal <= 0)
        return {};
    const qint64 hundredfold = qint64(progressPosition) * 100;
    qint64 percent = hundredfold / progressTotal;
    const qint64 twiceTheRest = 2 * (hundredfold % progressTotal);
    if (twiceTheRest > progressTotal || (twiceTheRest == progressTotal && percent % 2 == 1))
        ++percent;
    return QString::number(percent) + u'%';
}
