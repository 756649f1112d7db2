#pragma once

#include <QStringList>

#include <optional>

// Lets the user edit the font names the editors offer, beside a store of names set aside. The options
// box asks it; the font names box answers.
class FontListEditor {
public:
    // Shows the two lists for editing (the store as it was left when `stored` is not known); true with
    // both given back when the user keeps the changes.
    virtual bool editFontNames(QStringList &offered, std::optional<QStringList> &stored) = 0;
    // Empties the store of names set aside.
    virtual void clearStoredFontNames() = 0;

protected:
    ~FontListEditor() = default;
};
