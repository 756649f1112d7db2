#include "documents/rtf/RtfReader.h"

#include "documents/rtf/RtfDocumentBuilder.h"
#include "documents/rtf/RtfParser.h"

#include <QIODevice>
#include <QTextDocument>

bool RtfReader::isRtf(QByteArrayView bytes)
{
    return bytes.startsWith("{\\rtf");
}

RtfReadResult RtfReader::read(QByteArrayView rtf, QTextDocument &document)
{
    if (!isRtf(rtf))
        return { RtfReadResult::Status::NotRtf, {}, {} };

    const bool undoWasEnabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false); // loading is not an edit the user could undo
    document.clear();
    RtfParser::Outcome outcome;
    RtfLosses losses;
    {
        RtfDocumentBuilder builder(document);
        QTextCursor batch(&document);
        batch.beginEditBlock(); // one layout pass at the end instead of one per paragraph
        RtfParser parser(builder);
        outcome = parser.parse(rtf);
        losses = parser.losses();
        batch.endEditBlock();
    }
    if (outcome == RtfParser::Outcome::TooDeep)
        document.clear();
    document.setUndoRedoEnabled(undoWasEnabled);

    if (outcome == RtfParser::Outcome::TooDeep) {
        return { RtfReadResult::Status::Failed,
            QStringLiteral("Filen kan ikke læses som RTF: den har grupper inden i grupper i mere end %1 "
                           "niveauer og er sandsynligvis beskadiget.")
                .arg(RtfParser::kMaxGroupDepth),
            {} };
    }
    if (document.isEmpty() && losses.testFlag(RtfLoss::Damage)) {
        return { RtfReadResult::Status::Empty,
            QStringLiteral("Filen er ikke tom, men der kunne ikke læses noget dokument i den: den er "
                           "beskadiget eller afkortet."),
            losses };
    }
    return { RtfReadResult::Status::Read, {}, losses };
}

RtfReadResult RtfReader::read(QIODevice &device, QTextDocument &document)
{
    if (!device.isReadable() && !device.open(QIODevice::ReadOnly))
        return { RtfReadResult::Status::Failed, QStringLiteral("Filen kunne ikke åbnes."), {} };
    const QByteArray bytes = device.readAll();
    return read(bytes, document);
}
