#include "documents/spelling/SpellingMenu.h"

#include "documents/EditorControl.h"
#include "documents/spelling/SpellingService.h"
#include "documents/spelling/WordFinder.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Enough to choose from without a menu taller than the screen.
constexpr int kMostSuggestions = 8;

} // namespace

SpellingMenu::SpellingMenu(
    EditorControl &editor, SpellingService *spelling, std::function<void(const QString &)> inform)
    : QObject(editor.widget())
    , editor_(editor)
    , area_(qobject_cast<QAbstractScrollArea *>(editor.widget()))
    , viewport_(area_->viewport())
    , spelling_(spelling)
    , inform_(std::move(inform))
{
    // A right-click arrives at the viewport, the menu key at the editor itself.
    viewport_->installEventFilter(this);
    area_->installEventFilter(this);
}

QString SpellingMenu::unavailableText()
{
    return QStringLiteral("Stavekontrollen er ikke tilgængelig: den danske ordbog mangler.");
}

bool SpellingMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (!active_ || event->type() != QEvent::ContextMenu || (watched != viewport_ && watched != area_))
        return QObject::eventFilter(watched, event);
    auto *request = static_cast<QContextMenuEvent *>(event);
    const int position = request->reason() == QContextMenuEvent::Keyboard
        ? editor_.textCursor().position()
        : editor_.cursorForPosition(viewport_->mapFrom(static_cast<QWidget *>(watched), request->pos()))
              .position();
    QMenu *menu = createMenu(position, area_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(request->globalPos());
    return true;
}

QMenu *SpellingMenu::createMenu(int position, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    addSpelling(*menu, position);
    addEditCommands(*menu);
    return menu;
}

void SpellingMenu::addSpelling(QMenu &menu, int position)
{
    if (!spelling_ || !spelling_->isAvailable()) {
        menu.addAction(unavailableText())->setEnabled(false);
        menu.addSeparator();
        return;
    }
    const QTextBlock block = editor_.document()->findBlock(position);
    const QString text = block.text();
    const auto word = WordFinder::wordAt(text, position - block.position());
    if (!word || !spelling_->isMisspelt(text, *word))
        return;

    const QString misspelt = text.mid(word->start, word->length);
    const int start = block.position() + word->start;
    const QStringList suggestions = spelling_->suggestions(misspelt).mid(0, kMostSuggestions);
    for (const QString &suggestion : suggestions) {
        connect(menu.addAction(suggestion), &QAction::triggered, this, [this, start, misspelt, suggestion] {
            QTextCursor cursor(editor_.document());
            cursor.setPosition(start);
            cursor.setPosition(start + int(misspelt.size()), QTextCursor::KeepAnchor);
            // Only when the word is still there: the text may have changed while the menu was open.
            if (cursor.selectedText() == misspelt) {
                cursor.insertText(suggestion);
                editor_.setTextCursor(cursor);
            }
        });
    }
    if (suggestions.isEmpty())
        menu.addAction(QStringLiteral("(Ingen forslag)"))->setEnabled(false);
    menu.addSeparator();
    connect(
        menu.addAction(QStringLiteral("Tilføj til ordbogen")), &QAction::triggered, this, [this, misspelt] {
            if (!spelling_)
                return;
            const QString failure = spelling_->addWord(misspelt);
            if (!failure.isEmpty() && inform_)
                inform_(failure);
        });
    connect(menu.addAction(QStringLiteral("Ignorer alle")), &QAction::triggered, this, [this, misspelt] {
        if (spelling_)
            spelling_->ignore(misspelt);
    });
    menu.addSeparator();
}

void SpellingMenu::addEditCommands(QMenu &menu)
{
    const bool editable = !editor_.widget()->property("readOnly").toBool();
    const bool selected = editor_.textCursor().hasSelection();
    const QMimeData *clipboard = QApplication::clipboard()->mimeData();
    const bool canPaste = clipboard && clipboard->hasText();

    QAction *undo = menu.addAction(QStringLiteral("Annuller"), [this] { editor_.undo(); });
    undo->setEnabled(editable && editor_.document()->isUndoAvailable());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Klip"), [this] { editor_.cut(); })->setEnabled(editable && selected);
    menu.addAction(QStringLiteral("Kopier"), [this] { editor_.copy(); })->setEnabled(selected);
    menu.addAction(QStringLiteral("Indsæt"), [this] { editor_.paste(); })->setEnabled(editable && canPaste);
    menu.addAction(QStringLiteral("Slet"), [this] { editor_.deleteSelection(); })
        ->setEnabled(editable && selected);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Vælg alt"), [this] { editor_.selectAll(); })
        ->setEnabled(!editor_.document()->isEmpty());
}
