#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <cstdio>

// What the search commands print: text as UTF-8, and JSON values written compactly so that a command
// can put an object's keys in the order a reader expects them, which QJsonObject would sort.
namespace ToolOutput {

void write(FILE *stream, const QString &text);
void write(FILE *stream, const QByteArray &bytes);
QByteArray compact(const QJsonValue &value);

} // namespace ToolOutput
