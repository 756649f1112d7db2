#include "TextCommand.h"

#include "ToolOutput.h"
#include "search/text/TextSearchRun.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>
#include <optional>

namespace {

enum ExitCode { Hits = 0, NoHits = 1, UsageError = 2 };

struct TextOptions {
    TextSearchRequest request;
    bool json = false;
};

using ToolOutput::compact;
using ToolOutput::write;

std::optional<TextOptions> parse(const QStringList &arguments, QString *error)
{
    TextOptions options;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u"--") || argument.size() == 2) {
            if (argument == u"--" && !optionsEnded)
                optionsEnded = true;
            else
                positional.append(argument);
        } else if (argument == u"--whole-word") {
            options.request.options |= TextFinder::WholeWord;
        } else if (argument == u"--match-case") {
            options.request.options |= TextFinder::MatchCase;
        } else if (argument == u"--recursive") {
            options.request.recursive = true;
        } else if (argument == u"--json") {
            options.json = true;
        } else if (argument == u"--mask" && i + 1 < arguments.size()) {
            options.request.mask = arguments[++i];
        } else if (argument.startsWith(u"--mask=")) {
            options.request.mask = argument.mid(7);
        } else {
            *error = QStringLiteral("ukendt tilvalg: %1").arg(argument);
            return std::nullopt;
        }
    }
    if (positional.size() != 2) {
        *error = QStringLiteral("der skal være en søgetekst og en mappe");
        return std::nullopt;
    }
    if (positional[0].isEmpty()) {
        *error = QStringLiteral("søgeteksten er tom");
        return std::nullopt;
    }
    if (options.request.mask.isEmpty()) {
        *error = QStringLiteral("filtypen (--mask) er tom");
        return std::nullopt;
    }
    options.request.text = positional[0];
    options.request.folder = positional[1];
    return options;
}

// Prints each hit as soon as its file has been searched.
class PrintingSink : public TextSearchSink {
public:
    void counted(int, int) override { }
    void searched(const QList<TextSearchRow> &rows) override
    {
        for (const TextSearchRow &row : rows)
            write(stdout, row.file + u':' + QString::number(row.position) + u':' + row.line + u'\n');
    }
};

class CollectingSink : public TextSearchSink {
public:
    void counted(int, int) override { }
    void searched(const QList<TextSearchRow> &found) override { rows.append(found); }
    QList<TextSearchRow> rows;
};

QString folderLabel(const TextSearchRequest &request, const TextSearchSummary &summary)
{
    return request.recursive ? QStringLiteral("Mapper: %1").arg(summary.folderCount) : QString();
}

QString fileLabel(const TextSearchRequest &request, const TextSearchSummary &summary)
{
    return request.recursive ? QStringLiteral("Filer: %1").arg(summary.fileCount) : QString();
}

// The keys in the order a reader expects them, which QJsonObject would sort.
void printJson(
    const TextSearchRequest &request, const QList<TextSearchRow> &rows, const TextSearchSummary &summary)
{
    QJsonArray rowArray;
    for (const TextSearchRow &row : rows)
        rowArray.append(QJsonObject {
            { QStringLiteral("file"), row.file },
            { QStringLiteral("position"), double(row.position) },
            { QStringLiteral("line"), row.line },
        });
    QJsonArray unsearchable;
    for (const UnsearchableFile &file : summary.unsearchable)
        unsearchable.append(
            QJsonObject { { QStringLiteral("file"), file.file }, { QStringLiteral("reason"), file.reason } });
    const QByteArray json = "{\"rows\": " + compact(rowArray) + ", \"count\": "
        + QByteArray::number(rows.size()) + ", \"mapper_label\": " + compact(folderLabel(request, summary))
        + ", \"filer_label\": " + compact(fileLabel(request, summary))
        + ", \"unsearchable\": " + compact(unsearchable) + "}\n";
    write(stdout, json);
}

} // namespace

const char *TextCommand::usage()
{
    return "  text [--mask MASKE] [--whole-word] [--match-case] [--recursive] [--json] TEKST MAPPE\n"
           "      finder TEKST i filerne i MAPPE, der passer til MASKE (standard *.txt), og skriver hvert\n"
           "      fund som sti:position:linje\n"
           "      --whole-word   kun hele ord\n"
           "      --match-case   forskel på store og små bogstaver\n"
           "      --recursive    søg også i mappens undermapper\n"
           "      --json         skriv fundene, antallet og filer der ikke kunne gennemsøges som JSON\n";
}

int TextCommand::run(const QStringList &arguments)
{
    QString error;
    const std::optional<TextOptions> options = parse(arguments, &error);
    if (!options) {
        write(stderr, QStringLiteral("skrivora-search text: %1\nBrug:\n").arg(error));
        std::fputs(usage(), stderr);
        return UsageError;
    }
    const TextSearchRequest &request = options->request;
    TextSearchSummary summary;
    if (options->json) {
        CollectingSink sink;
        summary = TextSearchRun::run(request, sink);
        printJson(request, sink.rows, summary);
    } else {
        PrintingSink sink;
        summary = TextSearchRun::run(request, sink);
        for (const UnsearchableFile &file : std::as_const(summary.unsearchable))
            write(stderr, QStringLiteral("skrivora-search: %1: %2\n").arg(file.file, file.reason));
    }
    return summary.rowCount > 0 ? Hits : NoHits;
}
