#include "platform/widgets/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class QtFileDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saveDialogLeavesTheOverwriteQuestionToTheProgram();
};

// Qt's save dialog asked whether to overwrite, and then the program asked again.
void QtFileDialogsTest::saveDialogLeavesTheOverwriteQuestionToTheProgram()
{
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("findes.txt"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    // Plays the user: picks the existing file, and notes (and declines) any question the dialog asks.
    bool dialogAsked = false;
    QTimer user;
    user.setInterval(10);
    connect(&user, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *question = qobject_cast<QMessageBox *>(modal)) {
            dialogAsked = true;
            question->done(QMessageBox::No);
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (dialogAsked) {
                dialog->reject();
                return;
            }
            dialog->selectFile(existing);
            // Queued: the dialog may ask while it accepts, and this timer must go on to answer that.
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    user.start();
    QString filter = QStringLiteral("Tekstdokument (.txt) (*.txt)");
    const QString chosen
        = QtFileDialogs().saveFile(nullptr, QString(), folder.filePath(QStringLiteral("UdenNavn")),
            QStringLiteral("Tekstdokument (.txt) (*.txt);;Alle filtyper (*.*) (*)"), &filter);
    user.stop();
    QVERIFY(!dialogAsked);
    QCOMPARE(chosen, existing);
}

QTEST_MAIN(QtFileDialogsTest)
#include "tst_QtFileDialogs.moc"
