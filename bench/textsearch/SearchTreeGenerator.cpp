#include "SearchTreeGenerator.h"

#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

namespace {

constexpr int kTopFolders = 20;
constexpr int kFilesPerFolder = 100;
constexpr int kBytesPerFile = 25000;

// None of them holds either planted word, in any letter case.
const QStringList &vocabulary()
{
    static const QStringList words = QStringLiteral(
        "og i at det en den til er som på de med han af for ikke der var mig sig men et har om vi min havde "
        "ham "
        "hun nu over da fra du ud sin dem os op man hans hvor eller hvad skal selv her alle vil blev kunne "
        "ind "
        "når være dog noget ville jo deres efter ned skulle denne end dette mit også under have dig anden "
        "hende "
        "mine alt meget sit sine vor mod disse hvis din nogle hos blive mange ad bliver hendes været thi jer "
        "sådan brød smør ærter øl åen færge søster bånd gæst blåbær kørsel frø rødgrød fløde strøm lærer "
        "skov hav kyst mark vej by hus have gård kirke skole bog brev papir pen blæk bord stol seng dør "
        "vindue "
        "tag mur sten træ blad gren rod blomst græs jord vand ild luft sky regn sne vind storm lyn torden "
        "morgen aften nat dag uge måned år forår sommer efterår vinter januar februar marts april maj juni "
        "juli "
        "august september oktober november december mandag tirsdag onsdag torsdag fredag lørdag søndag")
                                         .split(u' ');
    return words;
}

enum class Kind { Utf8, Utf8Mark, Windows1252, Rtf };

Kind kindOf(int index)
{
    const int slot = index % 20;
    if (slot == 0)
        return Kind::Rtf;
    if (slot <= 3)
        return Kind::Utf8Mark;
    if (slot <= 10)
        return Kind::Windows1252;
    return Kind::Utf8;
}

QString plantedCase(const char *word, int variant)
{
    const QString plain = QString::fromUtf8(word);
    switch (variant % 3) {
    case 0:
        return plain;
    case 1:
        return plain.left(1).toUpper() + plain.mid(1);
    default:
        return plain.toUpper();
    }
}

QByteArray rtfEscaped(const QString &line)
{
    QByteArray out;
    for (QChar c : line) {
        if (c.unicode() < 0x80)
            out.append(char(c.unicode()));
        else
            out.append(QByteArray("\\'")
                + QByteArray::number(*TextCodec::encodeWindows1252(QString(c))->constData() & 0xFF, 16));
    }
    return out;
}

QByteArray encoded(const QStringList &lines, Kind kind)
{
    switch (kind) {
    case Kind::Utf8:
        return (lines.join(u'\n') + u'\n').toUtf8();
    case Kind::Utf8Mark:
        return "\xEF\xBB\xBF" + (lines.join(u'\n') + u'\n').toUtf8();
    case Kind::Windows1252:
        return *TextCodec::encodeWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    case Kind::Rtf: {
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20\n";
        for (const QString &line : lines)
            rtf += rtfEscaped(line) + "\\par\n";
        return rtf + "}\n";
    }
    }
    return {};
}

} // namespace

SearchTreeGenerator::Counts SearchTreeGenerator::generate(const QString &root, int fileCount)
{
    Counts counts;
    QRandomGenerator random(4242);
    const int folderCount = std::max(1, (fileCount + kFilesPerFolder - 1) / kFilesPerFolder);
    for (int index = 0; index < fileCount; ++index) {
        const int folder = index % folderCount;
        const QString folderPath
            = QStringLiteral("%1/mappe%2/under%3").arg(root).arg(folder % kTopFolders).arg(folder);
        if (index < folderCount) {
            QDir().mkpath(folderPath);
            counts.folders += folder < kTopFolders ? 2 : 1;
        }
        const Kind kind = kindOf(index);
        QStringList lines;
        qint64 length = 0;
        const qint64 target = kBytesPerFile / 2 + random.bounded(kBytesPerFile);
        while (length < target) {
            QStringList words;
            const int wordCount = 6 + random.bounded(12);
            for (int w = 0; w < wordCount; ++w)
                words.append(vocabulary()[random.bounded(int(vocabulary().size()))]);
            const int roll = random.bounded(10000);
            const int at = random.bounded(wordCount);
            if (roll < 6) {
                words[at] = plantedCase(kAsciiWord, random.bounded(3));
                ++counts.asciiWord;
            } else if (roll < 12) {
                words[at] = plantedCase(kDanishWord, random.bounded(3));
                ++counts.danishWord;
                if (kind == Kind::Utf8 || kind == Kind::Utf8Mark)
                    ++counts.danishWordInUtf8;
            } else if (roll < 112) {
                words[at] = plantedCase(kFrequentWord, random.bounded(3));
                ++counts.frequentWord;
            }
            lines.append(words.join(u' '));
            length += lines.last().size() + 1;
        }
        const QByteArray bytes = encoded(lines, kind);
        const QString name
            = QStringLiteral("%1/dok%2.%3").arg(folderPath).arg(index).arg(kind == Kind::Rtf ? "rtf" : "txt");
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        counts.bytes += bytes.size();
        ++counts.files;
    }
    return counts;
}
