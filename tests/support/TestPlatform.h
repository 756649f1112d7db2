#pragma once

#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/ModalRunner.h"
#include "support/PdfPrinting.h"

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QSize>
#include <QStringList>

#include <functional>

class QDialog;

// Shell calls are recorded, not carried out; each answers with `result`.
class RecordingShell : public Shell {
public:
    struct Call {
        QString operation;
        QString target;
        QStringList parameters;
    };
    int openFile(const QString &path) override { return record(QStringLiteral("open"), path); }
    int editFile(const QString &path) override { return record(QStringLiteral("edit"), path); }
    int runBatchFile(const QString &path) override { return record(QStringLiteral("runBatch"), path); }
    int showFolder(const QString &folder) override { return record(QStringLiteral("showFolder"), folder); }
    int openAddress(const QString &address) override
    {
        return record(QStringLiteral("openAddress"), address);
    }
    int runScript(const QString &script, const QString &first, const QString &second) override
    {
        return record(QStringLiteral("runScript"), script, { first, second });
    }

    QList<Call> calls;
    int result = Shell::Accepted;

private:
    int record(const QString &operation, const QString &target, const QStringList &parameters = {})
    {
        calls.append({ operation, target, parameters });
        return result;
    }
};

class RecordingNotifier : public Notifier {
public:
    struct Notification {
        QString name;
        QString title;
        QString text;
    };
    void notify(const QString &name, const QString &title, const QString &text) override
    {
        sent.append({ name, title, text });
    }
    QList<Notification> sent;
};

// Answers the common dialogs from queues; an empty queue answers as a user who cancels.
class ScriptedFileDialogs : public FileDialogs {
public:
    QStringList openFiles(QWidget *, const QString &, const QString &, const QString &) override;
    QString saveFile(
        QWidget *, const QString &, const QString &suggestedPath, const QString &, QString *) override;
    QString chooseFolder(QWidget *, const QString &, const QString &) override;
    bool printerSetup(QWidget *, QPrinter &) override;

    QQueue<QStringList> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<QString> folderAnswers;
    QQueue<bool> printerAnswers;
    QStringList suggestedSavePaths;
};

class FixedClock : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2026, 12, 9), QTime(10, 30));
};

// Stands in for the user at every modal dialog: shows it, records what it showed and answers from a
// script, which may also work the dialog's controls. With nothing scripted it answers as a user who
// closes the dialog (no).
class ScriptedModalRunner : public ModalRunner {
public:
    struct Shown {
        QString caption;
        QString text; // the message of the information and question dialogs
        QSize size;
    };
    using Answer = std::function<int(QDialog &)>;

    int exec(QDialog &dialog) override;
    void answer(int result);
    void answer(Answer act);
    // The user leaves the dialog without an answer: with Escape, or with the title bar's close box.
    void pressEscape();
    void pressCloseBox();
    // The user presses Enter: the dialog's default button answers.
    void pressEnter();
    // The texts of every message dialog shown so far.
    QStringList texts() const;

    QList<Shown> shown;
    QQueue<Answer> script;
};

// A whole platform of stand-ins. No spelling dictionary unless a test names its folders.
class TestPlatform {
public:
    explicit TestPlatform(const QString &dataRoot, const QString &userName = QStringLiteral("testbruger"));
    Platform &platform() { return platform_; }
    const Platform &platform() const { return platform_; }

    RecordingShell shell;
    RecordingNotifier notifier;
    ScriptedFileDialogs fileDialogs;
    FixedClock clock;
    ScriptedModalRunner modal;
    PdfPrinting printing;

private:
    Platform platform_;
};
