// skrivora-rtf: how developers and testers look inside an RTF file the way the editor reads it.
//   --text FILE        the shown text, UTF-8, as word processors export it (see TextDocumentDump)
//   --dump FILE        paragraphs with formatting and runs, and tables, as JSON
//   --convert IN OUT   reads IN and writes it as RTF to OUT; refuses to write over IN what IN would lose
// What the file holds that the document cannot keep is told on stderr, as the window tells it.
// Exit codes: 0 done, 1 a file could not be read or written, 2 wrong arguments.

#include "documents/rtf/RichTextLoader.h"
#include "documents/rtf/RtfLossNotice.h"
#include "documents/rtf/RtfWriter.h"
#include "documents/rtf/TextDocumentDump.h"
#include "platform/AtomicFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QTextDocument>

#include <cstdio>
#include <optional>

namespace {

enum ExitCode { Done = 0, FileFailed = 1, WrongArguments = 2 };

const char kUsage[]
    = "Brug: skrivora-rtf --text FIL | --dump FIL | --convert IND UD\n"
      "  --text FIL         skriver den synlige tekst (UTF-8, en linje pr. afsnit)\n"
      "  --dump FIL         skriver afsnittene med formatering og tekststykker som JSON\n"
      "  --convert IND UD   læser IND og skriver den som RTF til UD\n"
      "  --help             viser denne hjælp\n"
      "Afslutningskoder: 0 udført, 1 en fil kunne ikke læses eller skrives, 2 forkerte argumenter.\n";

void printError(const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("skrivora-rtf: ") + message + u'\n'), stderr);
}

void printOut(const QByteArray &utf8)
{
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

// The dialogs' line breaks are carriage returns; a terminal wants line ends.
QString asLines(QString text)
{
    return text.replace(u'\r', u'\n');
}

std::optional<RtfLosses> load(const QString &path, QTextDocument &document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QFileInfo::exists(path) ? QStringLiteral("Filen %1 kunne ikke læses.").arg(path)
                                           : QStringLiteral("Filen %1 findes ikke.").arg(path));
        return std::nullopt;
    }
    const RtfReadResult result = RichTextLoader::load(file.readAll(), document);
    if (result.status == RtfReadResult::Status::Failed || result.status == RtfReadResult::Status::Empty) {
        printError(path + QStringLiteral(": ") + result.error);
        return std::nullopt;
    }
    if (result.losses)
        printError(asLines(RtfLossNotice::onOpen(result.losses, path)));
    return result.losses;
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

// Qt's own notices (about the missing runtime folder of the offscreen platform, say) are no business of
// someone reading a file's text; the tool's own messages go to stderr directly.
void dropQtNotices(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(message + u'\n'), stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application, but nothing is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropQtNotices);
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString command = arguments.value(0);

    if (command == u"--help" || command == u"-h") {
        std::fputs(kUsage, stdout);
        return Done;
    }
    const qsizetype expected = command == u"--convert" ? 3 : 2;
    const bool known = command == u"--text" || command == u"--dump" || command == u"--convert";
    if (!known || arguments.size() != expected) {
        std::fputs(kUsage, stderr);
        return WrongArguments;
    }

    QTextDocument document;
    const std::optional<RtfLosses> losses = load(arguments[1], document);
    if (!losses)
        return FileFailed;

    if (command == u"--text") {
        printOut(TextDocumentDump::visibleText(document).toUtf8());
    } else if (command == u"--dump") {
        printOut(QJsonDocument(TextDocumentDump::toJson(document)).toJson(QJsonDocument::Indented));
    } else {
        if (*losses && sameFile(arguments[1], arguments[2])) {
            printError(
                QStringLiteral("%1 skrives ikke over, for filen ville miste det, der er nævnt ovenfor. "
                               "Skriv til en anden fil.")
                    .arg(arguments[2]));
            return FileFailed;
        }
        const AtomicFileWriter::Result written
            = AtomicFileWriter::write(arguments[2], RtfWriter::write(document));
        if (!written.ok) {
            printError(QStringLiteral("Filen %1 kunne ikke skrives: %2").arg(arguments[2], written.error));
            return FileFailed;
        }
    }
    return Done;
}
