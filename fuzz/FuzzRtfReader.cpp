// Feeds arbitrary bytes to the RTF reader. Whatever it reads must also write, and the written RTF must read
// back to the same paragraphs, formatting, text, lists, tables and pictures; no half of a character beyond
// 16 bits may reach the document. Anything else stops the run with the input saved.

#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfSurrogates.h"
#include "documents/rtf/RtfWriter.h"
#include "documents/rtf/TextDocumentDump.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void dropQtNotices(QtMsgType, const QMessageLogContext &, const QString &) { }

QByteArray dump(const QTextDocument &document)
{
    return QJsonDocument(TextDocumentDump::toJson(document)).toJson(QJsonDocument::Indented);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // fonts need a GUI application; nothing is shown
    qInstallMessageHandler(dropQtNotices);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTextDocument document;
    const RtfReadResult result
        = RtfReader::read(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), document);
    if (!result.ok())
        return 0;
    const QString text = document.toRawText();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSurrogate() && RtfSurrogates::isUnpaired(text, i)) {
            std::fputs("half a character reached the document\n", stderr);
            std::abort();
        }
    }

    QTextDocument readBack;
    if (!RtfReader::read(RtfWriter::write(document), readBack).ok()) {
        std::fputs("written RTF could not be read back\n", stderr);
        std::abort();
    }
    const QByteArray before = dump(document);
    const QByteArray after = dump(readBack);
    if (before != after) {
        std::fprintf(stderr, "round trip changed the document\n--- read\n%s\n--- read back\n%s\n",
            before.constData(), after.constData());
        std::abort();
    }
    return 0;
}
