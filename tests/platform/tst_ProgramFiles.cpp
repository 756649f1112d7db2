#include "app/ProgramResources.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kHelpPage = QStringLiteral("Information/Find i dokumenter2.html");

void put(const QString &folder, const QString &relativePath, const QByteArray &bytes = "side")
{
    const QString path = folder + u'/' + relativePath;
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ProgramFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ProgramResources::load(); }
    void init();
    void whereTheFileIsFound_data();
    void whereTheFileIsFound();
    void builtInHelpPageIsTheFindBoxHelp();
    void pathsOutsideTheFoldersAreRefused_data();
    void pathsOutsideTheFoldersAreRefused();
    void installedFolderBesideTheExecutableComesFirst();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString program_;
    QString installedFirst_;
    QString installedSecond_;
};

void ProgramFilesTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    program_ = dir_->filePath(QStringLiteral("Program"));
    installedFirst_ = dir_->filePath(QStringLiteral("usr/local/share/skrivora"));
    installedSecond_ = dir_->filePath(QStringLiteral("usr/share/skrivora"));
}

void ProgramFilesTest::whereTheFileIsFound_data()
{
    QTest::addColumn<QStringList>("holders");
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the data root's program folder wins")
        << QStringList { "program", "first", "second" } << kHelpPage << "program";
    QTest::newRow("installed copy when the program folder lacks it")
        << QStringList { "second" } << kHelpPage << "second";
    QTest::newRow("first installed folder that has it")
        << QStringList { "first", "second" } << kHelpPage << "first";
    QTest::newRow("built-in copy when no folder has it") << QStringList {} << kHelpPage << "built-in";
    QTest::newRow("a script has no built-in copy") << QStringList {} << "scripts/ukendt.sh"
                                                   << "";
    QTest::newRow("a script below the installed folder") << QStringList { "second" } << "scripts/ukendt.sh"
                                                         << "second";
}

void ProgramFilesTest::whereTheFileIsFound()
{
    QFETCH(QStringList, holders);
    QFETCH(QString, relativePath);
    QFETCH(QString, expected);
    const QMap<QString, QString> folders { { "program", program_ }, { "first", installedFirst_ },
        { "second", installedSecond_ } };
    for (const QString &holder : holders)
        put(folders.value(holder), relativePath);
    // A folder of the file's name is no file.
    QVERIFY(QDir().mkpath(installedFirst_ + u'/' + relativePath) || holders.contains("first"));

    const ProgramFiles files(program_, { installedFirst_, installedSecond_ });
    const QString found = files.find(relativePath);
    if (expected.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found));
    else if (expected == "built-in")
        QCOMPARE(found, ":/" + relativePath);
    else
        QCOMPARE(found, QDir(folders.value(expected)).filePath(relativePath));
}

void ProgramFilesTest::builtInHelpPageIsTheFindBoxHelp()
{
    QFile page(ProgramFiles(QString(), {}).find(kHelpPage));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(page.readAll()).contains(QStringLiteral("<title>Søg i dokumenter</title>")));
}

void ProgramFilesTest::pathsOutsideTheFoldersAreRefused_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("empty") << QString();
    QTest::newRow("parent") << "../hemmelig.txt";
    QTest::newRow("parent in the middle") << "Information/../../hemmelig.txt";
    QTest::newRow("absolute") << dir_->filePath(QStringLiteral("hemmelig.txt"));
}

void ProgramFilesTest::pathsOutsideTheFoldersAreRefused()
{
    QFETCH(QString, relativePath);
    put(dir_->path(), QStringLiteral("hemmelig.txt"));
    QVERIFY(ProgramFiles(program_, { installedFirst_ }).find(relativePath).isEmpty());
}

void ProgramFilesTest::installedFolderBesideTheExecutableComesFirst()
{
    const QStringList folders = ProgramFiles::installedFolders();
    QVERIFY(!folders.isEmpty());
    QCOMPARE(folders.first(), QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/skrivora"));
    QCOMPARE(folders.size(), QSet<QString>(folders.begin(), folders.end()).size());
}

QTEST_GUILESS_MAIN(ProgramFilesTest)
#include "tst_ProgramFiles.moc"
