#include "documents/find/FindReplace.h"

#include "app/RadioGroup.h"
#include "app/SearchPageControls.h"
#include "documents/EditorControl.h"
#include "documents/find/OccurrenceWalk.h"
#include "documents/find/TextFinder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTextCursor>
#include <QWidget>

#include <utility>

namespace {

TextFinder finderFor(const SearchPageControls &page)
{
    TextFinder::Options options;
    if (page.HeleOrdCheck->isChecked())
        options |= TextFinder::WholeWord;
    if (page.SsCheck->isChecked())
        options |= TextFinder::MatchCase;
    return TextFinder(page.ordEdit->text(), options);
}

OccurrenceWalk::Direction directionOf(const SearchPageControls &page)
{
    return page.retGroup->itemIndex() == 0 ? OccurrenceWalk::Direction::Backward
                                           : OccurrenceWalk::Direction::Forward;
}

} // namespace

FindReplace::FindReplace(
    EditorControl &editor, const SearchPageControls &page, std::function<void()> refreshPosition)
    : editor_(editor)
    , page_(page)
    , refreshPosition_(std::move(refreshPosition))
{ }

int FindReplace::FindOrd()
{
    const TextFinder finder = finderFor(page_);
    const QTextCursor selection = editor_.textCursor();
    const OccurrenceWalk::Found found
        = OccurrenceWalk::find(editor_.searchText(), finder, selection.selectionStart(),
            selection.selectionEnd(), directionOf(page_), page_.erstatAlleCheck->isChecked());
    if (found.count > 0) {
        editor_.widget()->setFocus();
        editor_.setSelection(int(found.last), int(finder.needleLength()));
    }
    refreshPosition_();
    return found.count;
}

int FindReplace::ErstatTekst()
{
    const TextFinder finder = finderFor(page_);
    const QString replacement = page_.erstatEdit->text();
    const OccurrenceWalk::Direction direction = directionOf(page_);
    const QTextCursor selection = editor_.textCursor();
    const QList<qsizetype> replaced = OccurrenceWalk::replace(editor_.searchText(), finder, replacement,
        selection.selectionStart(), selection.selectionEnd(), direction, page_.erstatAlleCheck->isChecked());
    if (!replaced.isEmpty()) {
        // Forward, each occurrence has moved by what the replacements before it added or took away;
        // backward, the text before an occurrence is still as it was.
        const qsizetype growth = replacement.size() - finder.needleLength();
        qsizetype shift = 0;
        qsizetype caret = 0;
        QTextCursor cursor(editor_.document());
        cursor.beginEditBlock();
        for (const qsizetype at : replaced) {
            const qsizetype start = direction == OccurrenceWalk::Direction::Forward ? at + shift : at;
            cursor.setPosition(int(start));
            cursor.setPosition(int(start + finder.needleLength()), QTextCursor::KeepAnchor);
            cursor.insertText(replacement);
            shift += growth;
            caret = start + replacement.size();
        }
        cursor.endEditBlock();
        editor_.widget()->setFocus();
        editor_.setSelection(int(caret), 0);
    }
    refreshPosition_();
    return int(replaced.size());
}
