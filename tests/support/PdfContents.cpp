#include "support/PdfContents.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString info(const QString &path, const QString &field)
{
    const QRegularExpression line(
        u'^' + field + QStringLiteral(R"(:\s*(.*)$)"), QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), { path })).captured(1).trimmed();
}

} // namespace

namespace PdfContents {

QString layoutText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
}

QList<Word> words(const QString &path)
{
    QList<Word> result;
    QXmlStreamReader xml(
        run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), path, QStringLiteral("-") }));
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page") {
            ++page;
        } else if (xml.name() == u"word") {
            const QXmlStreamAttributes at = xml.attributes();
            const QPointF topLeft(at.value(QLatin1StringView("xMin")).toDouble(),
                at.value(QLatin1StringView("yMin")).toDouble());
            const QPointF bottomRight(at.value(QLatin1StringView("xMax")).toDouble(),
                at.value(QLatin1StringView("yMax")).toDouble());
            result.append({ xml.readElementText(), page, QRectF(topLeft, bottomRight) });
        }
    }
    return result;
}

int pageCount(const QString &path)
{
    return info(path, QStringLiteral("Pages")).toInt();
}

QSizeF pageSize(const QString &path)
{
    static const QRegularExpression size(QStringLiteral(R"(([\d.]+) x ([\d.]+) pts)"));
    const QRegularExpressionMatch match = size.match(info(path, QStringLiteral("Page size")));
    return { match.captured(1).toDouble(), match.captured(2).toDouble() };
}

QStringList fonts(const QString &path)
{
    QStringList names;
    const QStringList lines = run(QStringLiteral("pdffonts"), { path }).split(u'\n', Qt::SkipEmptyParts);
    // Two lines of headings, then one font a line, its name first.
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QString name = lines[i].section(u' ', 0, 0, QString::SectionSkipEmpty);
        names << name.mid(name.indexOf(u'+') + 1);
    }
    return names;
}

QImage pageImage(const QString &path, int page, int dotsPerInch)
{
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
            QString::number(dotsPerInch), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
            QString::number(page), path, prefix });
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace PdfContents
