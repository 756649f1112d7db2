#pragma once

// Turns what the clipboard holds into plain text, for pasting without formatting.
class PlainTextClipboard {
public:
    virtual void makeClipboardPlain() = 0;

protected:
    ~PlainTextClipboard() = default;
};
