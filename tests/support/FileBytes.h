#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes as they lie on disk; empty when it cannot be read.
QByteArray readAll(const QString &path);
// Puts the bytes into the file, replacing it; the test fails when that cannot be done.
void writeAll(const QString &path, const QByteArray &bytes);
