#include "platform/widgets/DanishFileListModel.h"

#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

// The file dialog's list writes sizes and dates in Danish whatever the system's locale.
class DanishFileListModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sizesAndDatesInDanish_data();
    void sizesAndDatesInDanish();
};

void DanishFileListModelTest::sizesAndDatesInDanish_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("size");
    QTest::newRow("bytes") << "lille.txt" << 12 << "12 bytes";
    QTest::newRow("kilobytes of 1024, decimal comma") << "mellem.txt" << 5000 << "4,88 kB";
    QTest::newRow("megabytes") << "stor.txt" << 3000000 << "2,86 MB";
    QTest::newRow("a folder has no size") << "Breve" << -1 << "";
}

void DanishFileListModelTest::sizesAndDatesInDanish()
{
    QFETCH(QString, name);
    QFETCH(int, bytes);
    QFETCH(QString, size);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    if (bytes < 0) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(bytes, 'a'));
    }
    QFileSystemModel files;
    DanishFileListModel danish;
    danish.setSourceModel(&files);
    const QModelIndex root = danish.mapFromSource(files.setRootPath(folder.path()));
    QTRY_COMPARE(danish.rowCount(root), 1);

    const QModelIndex entry = danish.index(0, 0, root);
    QCOMPARE(entry.data().toString(), name);
    QCOMPARE(danish.index(0, 1, root).data().toString(), size);
    const QDateTime modified = QFileInfo(path).lastModified();
    QCOMPARE(danish.index(0, 3, root).data().toString(),
        QLocale(QLocale::Danish, QLocale::Denmark).toString(modified, QLocale::ShortFormat));
    // Other roles and columns are the file system model's own.
    QCOMPARE(danish.index(0, 2, root).data().toString(), files.index(path, 2).data().toString());
    QCOMPARE(danish.index(0, 1, root).data(Qt::TextAlignmentRole),
        files.index(path, 1).data(Qt::TextAlignmentRole));
}

QTEST_MAIN(DanishFileListModelTest)
#include "tst_DanishFileListModel.moc"
