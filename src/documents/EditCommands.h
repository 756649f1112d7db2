#pragma once

#include <QObject>
#include <QString>

class EditorControl;
class QAction;
class QWidget;

// The six standard edit commands of a document window (undo, cut, copy, paste, select all, delete). They
// act on the text control that has the keyboard focus, normally the editor, and are enabled by the
// editor's state. The two windows give them their own captions and hints.
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
    // selected, paste when the clipboard holds text, select all when there is text.
    void update();
    // The text control the commands act on: the focused one, or the editor.
    QWidget *target() const;

    QAction *EditUndo1;
    QAction *EditCut1;
    QAction *EditCopy1;
    QAction *EditPaste1;
    QAction *EditSelectAll1;
    QAction *EditDelete1;

private:
    EditorControl &editor_;
};
