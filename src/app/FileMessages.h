#pragma once

#include <QString>

// The messages about files that could not be read or written, with the system's reason.
namespace FileMessages {
QString readFailure(const QString &path, const QString &reason);
QString writeFailure(const QString &path, const QString &reason);
} // namespace FileMessages
