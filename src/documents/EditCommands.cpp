#include "documents/EditCommands.h"

#include "documents/DocumentCommand.h"
#include "documents/EditorControl.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

EditCommands::EditCommands(QWidget &window, EditorControl &editor, const Texts &texts)
    : QObject(&window)
    , editor_(editor)
{
    EditUndo1 = DocumentCommand::create(
        &window, texts.undo.caption, texts.undo.hint, QKeySequence(QStringLiteral("Ctrl+Z")));
    EditCut1 = DocumentCommand::create(
        &window, texts.cut.caption, texts.cut.hint, QKeySequence(QStringLiteral("Ctrl+X")));
    EditCopy1 = DocumentCommand::create(
        &window, texts.copy.caption, texts.copy.hint, QKeySequence(QStringLiteral("Ctrl+C")));
    EditPaste1 = DocumentCommand::create(
        &window, texts.paste.caption, texts.paste.hint, QKeySequence(QStringLiteral("Ctrl+V")));
    EditSelectAll1 = DocumentCommand::create(
        &window, texts.selectAll.caption, texts.selectAll.hint, QKeySequence(QStringLiteral("Ctrl+A")));
    EditDelete1 = DocumentCommand::create(
        &window, texts.remove.caption, texts.remove.hint, QKeySequence(QKeySequence::Delete));
    pasteFromInfo = DocumentCommand::create(&window, QStringLiteral("Indsæt"),
        QStringLiteral("Indsætter tekst, der er kopieret i en informationsfil eller hjemmesidefil: Ctrl+W"),
        QKeySequence(QStringLiteral("Ctrl+W")));
    window.addActions(
        { EditUndo1, EditCut1, EditCopy1, EditPaste1, EditSelectAll1, EditDelete1, pasteFromInfo });

    auto onTarget = [this](auto plain, auto rich, auto line) {
        return [this, plain, rich, line] {
            QWidget *focused = target();
            if (auto *edit = qobject_cast<QPlainTextEdit *>(focused))
                (edit->*plain)();
            else if (auto *richEdit = qobject_cast<QTextEdit *>(focused))
                (richEdit->*rich)();
            else if (auto *lineEdit = qobject_cast<QLineEdit *>(focused))
                (lineEdit->*line)();
        };
    };
    connect(EditUndo1, &QAction::triggered, this,
        onTarget(&QPlainTextEdit::undo, &QTextEdit::undo, &QLineEdit::undo));
    connect(EditCut1, &QAction::triggered, this,
        onTarget(&QPlainTextEdit::cut, &QTextEdit::cut, &QLineEdit::cut));
    connect(EditCopy1, &QAction::triggered, this,
        onTarget(&QPlainTextEdit::copy, &QTextEdit::copy, &QLineEdit::copy));
    connect(EditPaste1, &QAction::triggered, this,
        onTarget(&QPlainTextEdit::paste, &QTextEdit::paste, &QLineEdit::paste));
    connect(EditSelectAll1, &QAction::triggered, this,
        onTarget(&QPlainTextEdit::selectAll, &QTextEdit::selectAll, &QLineEdit::selectAll));
    connect(EditDelete1, &QAction::triggered, this, [this] {
        QWidget *focused = target();
        if (auto *edit = qobject_cast<QPlainTextEdit *>(focused))
            edit->textCursor().removeSelectedText();
        else if (auto *richEdit = qobject_cast<QTextEdit *>(focused))
            richEdit->textCursor().removeSelectedText();
        else if (auto *lineEdit = qobject_cast<QLineEdit *>(focused))
            lineEdit->del();
    });
}

QWidget *EditCommands::target() const
{
    QWidget *focused = QApplication::focusWidget();
    if (qobject_cast<QPlainTextEdit *>(focused) || qobject_cast<QTextEdit *>(focused)
        || qobject_cast<QLineEdit *>(focused))
        return focused;
    return editor_.widget();
}

void EditCommands::update()
{
    const bool selected = editor_.textCursor().hasSelection();
    const QMimeData *clipboard = QApplication::clipboard()->mimeData();
    const bool clipboardText = clipboard && clipboard->hasText();
    EditUndo1->setEnabled(editor_.document()->isUndoAvailable());
    EditCut1->setEnabled(selected);
    EditCopy1->setEnabled(selected);
    EditDelete1->setEnabled(selected);
    EditPaste1->setEnabled(clipboardText);
    pasteFromInfo->setEnabled(clipboardText);
    EditSelectAll1->setEnabled(!editor_.document()->isEmpty());
}
