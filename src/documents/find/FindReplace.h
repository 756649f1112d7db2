#pragma once

#include <functional>

class EditorControl;
struct SearchPageControls;

// "Find tekst" and "Erstat tekst" in one editor, with the search text and options of the menu book's
// "Søg" page: both document windows run their FindOrd and ErstatTekst through it.
//
// A run is worked out over the editor's text first (OccurrenceWalk) and then shown at once: a find sets
// the selection once, a replace makes all its replacements in one edit block, which is one step of undo
// and one repaint, and the position display is refreshed once at the end.
//
// Use from a document window:
//     int FindOrd() override { return FindReplace(*Editor, page, [this] { XYinfo(); }).FindOrd(); }
class FindReplace {
public:
    // Neither the editor nor the page's controls are owned; both must outlive the call.
    FindReplace(EditorControl &editor, const SearchPageControls &page, std::function<void()> refreshPosition);

    // The number of occurrences found; the last one found is selected, and without one the selection
    // stays as it was.
    int FindOrd();
    // The number of occurrences replaced; the caret stands after the text inserted last.
    int ErstatTekst();

private:
    EditorControl &editor_;
    const SearchPageControls &page_;
    std::function<void()> refreshPosition_;
};
