#pragma once

#include <QString>

struct FrameFields;

// The folder tree below the data root: one branch per user, its settings folder "Egenskaber", and the
// program folder with its help pages.
namespace StorageLayout {

// Fills the user name and path fields and creates the user branch and its settings folder when they are
// missing. Returns the Danish message to show when the settings folder cannot be made, else empty.
QString settle(FrameFields &fields, const QString &dataRoot, const QString &userName);

// The user's settings folder "Egenskaber", made or not.
QString settingsFolder(const QString &dataRoot, const QString &userName);

} // namespace StorageLayout
