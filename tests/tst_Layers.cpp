// The layers of the source tree, checked on the includes themselves: the build catches a widget include in
// the widget-free libraries only when it names a header Qt Widgets alone provides, and nothing in the build
// stops a box from including the frame.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kSource = QStringLiteral(SKRIVORA_SOURCE_DIR "/src/");

struct Include {
    QString file; // relative to src/
    QString target; // as written between the quotes or angle brackets
    bool quoted;
};

QList<Include> allIncludes()
{
    static const QRegularExpression directive(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    QList<Include> includes;
    QDirIterator files(kSource, { QStringLiteral("*.h"), QStringLiteral("*.cpp") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString relative = file.fileName().mid(kSource.size());
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QRegularExpressionMatch match = directive.match(QString::fromUtf8(line));
            if (match.hasMatch())
                includes.append({ relative, match.captured(2), match.captured(1) == u'"' });
        }
    }
    return includes;
}

// The layer a file of ours belongs to, by its folder: a file may include its own layer and those below.
int layerOf(const QString &path)
{
    if (path.startsWith(u"platform/") || path.startsWith(u"documents/rtf/"))
        return 0;
    if (path.startsWith(u"app/"))
        return 1;
    if (path.startsWith(u"frame/") || path == u"main.cpp")
        return 3;
    return 2; // the areas: documents, lists, search, dates, options
}

bool isWidgetFree(const QString &path)
{
    return (path.startsWith(u"platform/") && !path.startsWith(u"platform/widgets/"))
        || path.startsWith(u"documents/rtf/");
}

// A window of the program: the frame's tool boxes, dialogs and document windows, named T...form.
bool isWindowHeader(const QString &path)
{
    static const QRegularExpression window(
        QStringLiteral(R"((^|/)T(win)?[a-z]*form[a-z0-9]*\.h$)"), QRegularExpression::CaseInsensitiveOption);
    return window.match(path).hasMatch();
}

QString baseName(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

} // namespace

class LayersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void includesGoDownTheLayers();
    void widgetFreeLibrariesIncludeNoWidgets();
    void windowsReachOtherWindowsThroughTheContext();

private:
    QList<Include> includes_;
};

void LayersTest::initTestCase()
{
    includes_ = allIncludes();
    QVERIFY2(includes_.size() > 100, "the source tree was not found");
}

void LayersTest::includesGoDownTheLayers()
{
    QStringList wrong;
    for (const Include &include : std::as_const(includes_)) {
        if (!include.quoted)
            continue;
        const bool fromRtf = include.file.startsWith(u"documents/rtf/");
        const bool fromPlatform = include.file.startsWith(u"platform/");
        const bool upwards = layerOf(include.target) > layerOf(include.file);
        // Within the lowest layer the codec stands on the platform services, never the other way round.
        const bool sideways = (fromPlatform && !include.target.startsWith(u"platform/"))
            || (fromRtf && !include.target.startsWith(u"documents/rtf/")
                && !include.target.startsWith(u"platform/"));
        if (upwards || sideways)
            wrong << include.file + QStringLiteral(" includes ") + include.target;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

void LayersTest::widgetFreeLibrariesIncludeNoWidgets()
{
    static const QRegularExpression widgetHeader(QStringLiteral(
        R"(^(QtWidgets|QtPrintSupport)/|^Q(Widget|Dialog|Application|MainWindow|Action|Menu|Label|LineEdit|PushButton|TextEdit|PlainTextEdit|Printer)$)"));
    QStringList wrong;
    for (const Include &include : std::as_const(includes_)) {
        if (!include.quoted && isWidgetFree(include.file) && widgetHeader.match(include.target).hasMatch())
            wrong << include.file + QStringLiteral(" includes <") + include.target + u'>';
        if (include.quoted && isWidgetFree(include.file) && include.target.startsWith(u"platform/widgets/"))
            wrong << include.file + QStringLiteral(" includes ") + include.target;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

void LayersTest::windowsReachOtherWindowsThroughTheContext()
{
    QStringList wrong;
    for (const Include &include : std::as_const(includes_)) {
        if (!include.quoted || layerOf(include.file) == 3)
            continue;
        const bool ownHeader = baseName(include.file) == baseName(include.target);
        if (isWindowHeader(include.file.section(u'.', 0, 0) + QStringLiteral(".h"))
            && isWindowHeader(include.target) && !ownHeader)
            wrong << include.file + QStringLiteral(" includes ") + include.target;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

QTEST_GUILESS_MAIN(LayersTest)
#include "tst_Layers.moc"
