#pragma once

#include <QObject>
#include <QString>

class EditorControl;
class QAction;
class QWidget;

// The standard edit commands of a document window (undo, cut, copy, paste, select all, delete), which act
// on the text control that has the keyboard focus, normally the editor, and are enabled by the editor's
// state; the two windows give them their own captions and hints. Besides them Ctrl+W, pasting the
// clipboard's text without its formatting, which each window does in its own way.
class EditCommands : public QObject {
    Q_OBJECT

public:
    struct Text {
        QString caption;
        QString hint;
    };
    struct Texts {
        Text undo, cut, copy, paste, selectAll, remove;
    };

    // The commands belong to the window, whose shortcuts they are.
    EditCommands(QWidget &window, EditorControl &editor, const Texts &texts);

    // Enables each command by its rule: undo when the editor can undo, cut, copy and delete when text is
    // selected, both pastes when the clipboard holds text, select all when there is text.
    void update();
    // The text control the commands act on: the focused one, or the editor.
    QWidget *target() const;

    QAction *EditUndo1;
    QAction *EditCut1;
    QAction *EditCopy1;
    QAction *EditPaste1;
    QAction *EditSelectAll1;
    QAction *EditDelete1;
    QAction *pasteFromInfo;

private:
    EditorControl &editor_;
};
