#pragma once

class EditorControl;

// The frame's date service as the document windows see it: it writes date texts and holiday lists
// into the editor of the document window that was activated last.
class DateService {
public:
    // Every activation of a document window makes its editor the target.
    virtual void SetEditor(EditorControl *editor) = 0;
    // A closing window lets go of its editor; the editor of another window stays the target.
    virtual void releaseEditor(const EditorControl *editor) = 0;

protected:
    ~DateService() = default;
};
