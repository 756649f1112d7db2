#pragma once

#include <QString>

// A favourites list is stored as its name followed by ".txt" in the favourites folder, so a name must be
// one a file can have there.
namespace FavoriteListName {

// Empty when the name can be used; otherwise the Danish message that says why not.
QString problem(const QString &name);

// Whether a list of that name is stored in the folder, names compared without regard to case (as the box
// selects them), so "mine æbler" is taken when "Mine æbler" exists.
bool inUse(const QString &folder, const QString &name);

} // namespace FavoriteListName
