#pragma once

#include "platform/TextCodec.h"

#include <QString>

// The messages about files that could not be read or written, with the system's reason, and about a
// file saved in another encoding than it had.
namespace FileMessages {
QString readFailure(const QString &path, const QString &reason);
QString writeFailure(const QString &path, const QString &reason);
// The encoding as the user meets it in other programs' save dialogs.
QString encodingName(TextEncoding encoding);
// The document held characters its file's encoding has no room for, so it was saved in another one.
QString encodingChanged(const QString &caption, TextEncoding from, TextEncoding to);
} // namespace FileMessages
