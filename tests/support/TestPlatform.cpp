#include "support/TestPlatform.h"

#include "app/MessageDialog.h"

#include <QDialog>
#include <QtTest>

QStringList ScriptedFileDialogs::openFiles(QWidget *, const QString &, const QString &, const QString &)
{
    return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
}

QString ScriptedFileDialogs::saveFile(
    QWidget *, const QString &, const QString &suggestedPath, const QString &, QString *)
{
    suggestedSavePaths << suggestedPath;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

QString ScriptedFileDialogs::chooseFolder(QWidget *, const QString &, const QString &)
{
    return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
}

bool ScriptedFileDialogs::printerSetup(QWidget *, QPrinter &)
{
    return printerAnswers.isEmpty() ? false : printerAnswers.dequeue();
}

int ScriptedModalRunner::exec(QDialog &dialog)
{
    // Shown for real (offscreen), so what a dialog does when it appears happens as for the user.
    dialog.show();
    const auto *message = qobject_cast<const MessageDialog *>(&dialog);
    shown.append({ dialog.windowTitle(), message ? message->text() : QString(), dialog.size() });
    const int result = script.isEmpty() ? int(QDialog::Rejected) : script.dequeue()(dialog);
    if (dialog.isVisible())
        dialog.done(result);
    return result;
}

void ScriptedModalRunner::answer(int result)
{
    script.enqueue([result](QDialog &) { return result; });
}

void ScriptedModalRunner::answer(Answer act)
{
    script.enqueue(std::move(act));
}

void ScriptedModalRunner::pressEscape()
{
    answer([](QDialog &dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
}

void ScriptedModalRunner::pressCloseBox()
{
    answer([](QDialog &dialog) {
        dialog.close();
        return dialog.result();
    });
}

void ScriptedModalRunner::pressEnter()
{
    answer([](QDialog &dialog) {
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    });
}

QStringList ScriptedModalRunner::texts() const
{
    QStringList result;
    for (const Shown &dialog : shown) {
        if (!dialog.text.isNull())
            result << dialog.text;
    }
    return result;
}

TestPlatform::TestPlatform(const QString &dataRoot, const QString &userName)
    : platform_ { shell, notifier, fileDialogs, clock, modal, printing, userName, dataRoot, {} }
{ }
