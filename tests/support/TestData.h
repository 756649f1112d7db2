#pragma once

#include <QByteArray>
#include <QString>

// Fixtures live in tests/data/; their folder comes from the build.
namespace TestData {
QString path(const QString &relative);
QByteArray read(const QString &relative);
} // namespace TestData
