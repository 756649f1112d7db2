#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class EditorControl;
class QAbstractScrollArea;
class QMenu;
class QWidget;
class SpellingService;

// The editor's own right-click menu, shown while the window has no right-click menu of its own: for a
// misspelt word under the mouse its suggestions, "Tilføj til ordbogen" and "Ignorer alle"; then the
// standard edit commands. Without a dictionary the menu says that the spelling check is not available.
// Messages (a word list that could not be saved) go to the inform callback, the information dialog.
//
// Use from a document window:
//     auto inform = [this](const QString &text) { context.inform(text); };
//     spellingMenu = new SpellingMenu(*editor, spelling, inform);  // a child of the editor
//     spellingMenu->setActive(!editorHasPUwin);                      // puButtonClick switches it
class SpellingMenu : public QObject {
    Q_OBJECT

public:
    SpellingMenu(
        EditorControl &editor, SpellingService *spelling, std::function<void(const QString &)> inform);

    // While active, right-clicks (and the menu key) in the editor open this menu.
    void setActive(bool active) { active_ = active; }
    bool isActive() const { return active_; }

    // The menu for the text position (a character position in the document); the caller owns it.
    QMenu *createMenu(int position, QWidget *parent);

    static QString unavailableText();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addSpelling(QMenu &menu, int position);
    void addEditCommands(QMenu &menu);

    EditorControl &editor_;
    // Both kept apart from the editor interface: the filter must not call the editor while it is
    // being destroyed.
    QAbstractScrollArea *area_;
    QWidget *viewport_;
    QPointer<SpellingService> spelling_;
    std::function<void(const QString &)> inform_;
    bool active_ = true;
};
