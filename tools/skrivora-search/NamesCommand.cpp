#include "NamesCommand.h"

#include "ToolOutput.h"
#include "search/names/NameSearchRun.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <optional>

namespace {

enum ExitCode { Finds = 0, NoFinds = 1, UsageError = 2 };

struct NamesOptions {
    NameSearchRequest request;
    bool json = false;
};

std::optional<int> limitFrom(const QString &text)
{
    bool isNumber = false;
    const int limit = text.toInt(&isNumber);
    if (!isNumber || limit < 0)
        return std::nullopt;
    return limit;
}

std::optional<NamesOptions> parse(const QStringList &arguments, QString *error)
{
    NamesOptions options;
    options.request.limit = -1;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QString limit;
        if (optionsEnded || !argument.startsWith(u"--") || argument.size() == 2) {
            if (argument == u"--" && !optionsEnded)
                optionsEnded = true;
            else
                positional.append(argument);
            continue;
        }
        if (argument == u"--json") {
            options.json = true;
            continue;
        }
        if (argument == u"--limit" && i + 1 < arguments.size()) {
            limit = arguments[++i];
        } else if (argument.startsWith(u"--limit=")) {
            limit = argument.mid(8);
        } else {
            *error = QStringLiteral("ukendt tilvalg: %1").arg(argument);
            return std::nullopt;
        }
        const std::optional<int> value = limitFrom(limit);
        if (!value) {
            *error = QStringLiteral("--limit skal være et helt tal fra 0 og op: %1").arg(limit);
            return std::nullopt;
        }
        options.request.limit = *value;
    }
    if (positional.size() != 2) {
        *error = QStringLiteral("der skal være en søgetekst og en mappe");
        return std::nullopt;
    }
    if (positional[0].isEmpty()) {
        *error = QStringLiteral("søgeteksten er tom");
        return std::nullopt;
    }
    options.request.text = positional[0];
    options.request.folder = positional[1];
    return options;
}

class CollectingSink : public NameSearchSink {
public:
    void folderFound(const NameHit &hit) override { folders.append(hit.path); }
    void fileFound(const NameHit &hit) override { files.append(hit.path); }
    QStringList folders;
    QStringList files;
};

QByteArray number(int value)
{
    return QByteArray::number(value);
}

void printJson(const CollectingSink &finds, const NameSearchSummary &summary)
{
    using ToolOutput::compact;
    QJsonArray unreadable;
    for (const UnsearchableFile &folder : summary.unreadable)
        unreadable.append(QJsonObject {
            { QStringLiteral("folder"), folder.file }, { QStringLiteral("reason"), folder.reason } });
    const QString foldersHeading = summary.foldersHeading();
    const QString filesHeading = summary.filesHeading();
    const QString progress = summary.progressText();
    const QByteArray json = "{\"folders\": " + compact(QJsonArray::fromStringList(finds.folders))
        + ", \"files\": " + compact(QJsonArray::fromStringList(finds.files)) + ", \"folders_heading\": "
        + compact(foldersHeading.isEmpty() ? QStringLiteral("Mapper") : foldersHeading)
        + ", \"files_heading\": " + compact(filesHeading.isEmpty() ? QStringLiteral("Filer") : filesHeading)
        + ", \"examined_folders\": " + number(summary.examinedFolders) + ", \"examined_files\": "
        + number(summary.examinedFiles) + ", \"found_folders\": " + number(summary.foundFolders)
        + ", \"found_files\": " + number(summary.foundFiles) + ", \"progress_total\": "
        + number(summary.progressTotal) + ", \"progress_position\": " + number(summary.progressPosition)
        + ", \"progress_text\": " + (progress.isEmpty() ? QByteArray("null") : compact(progress))
        + ", \"unreadable\": " + compact(unreadable) + "}\n";
    ToolOutput::write(stdout, json);
}

} // namespace

const char *NamesCommand::usage()
{
    return "  names [--limit N] [--json] TEKST MAPPE\n"
           "      finder mapper og filer i MAPPE og dens undermapper, hvis navn indeholder TEKST (kun A-Z\n"
           "      uden forskel på store og små bogstaver), og skriver deres fulde stier, mapperne først\n"
           "      --limit N      stop når N mapper eller N filer er fundet, som boksens \"Max elementer\"\n"
           "      --json         skriv fundene, overskrifterne, antallene og fremskridtet som JSON\n";
}

int NamesCommand::run(const QStringList &arguments)
{
    QString error;
    const std::optional<NamesOptions> options = parse(arguments, &error);
    if (!options) {
        ToolOutput::write(stderr, QStringLiteral("skrivora-search names: %1\nBrug:\n").arg(error));
        std::fputs(usage(), stderr);
        return UsageError;
    }
    const NameSearchRequest &request = options->request;
    if (!QFileInfo(request.folder).isDir()) {
        ToolOutput::write(stderr,
            QStringLiteral("skrivora-search names: Mappen eksisterer ikke: %1\n").arg(request.folder));
        return UsageError;
    }
    CollectingSink finds;
    const NameSearchSummary summary = NameSearchRun::run(request, finds);
    if (options->json) {
        printJson(finds, summary);
    } else {
        QByteArray lines;
        for (const QStringList *paths : { &finds.folders, &finds.files }) {
            for (const QString &path : *paths)
                lines += path.toUtf8() + '\n';
        }
        ToolOutput::write(stdout, lines);
        for (const UnsearchableFile &folder : summary.unreadable)
            ToolOutput::write(
                stderr, QStringLiteral("skrivora-search: %1: %2\n").arg(folder.file, folder.reason));
    }
    return summary.foundFolders + summary.foundFiles > 0 ? Finds : NoFinds;
}
