#pragma once

#include "search/text/TextSearchTypes.h"

#include <QString>

// The one message at the end of a search that names what it could not search, each with its reason;
// a long list is cut short.
namespace UnsearchableMessage {

// `heading` says what they are, for example "Disse filer kunne ikke gennemsøges:".
QString text(const QString &heading, const QList<UnsearchableFile> &skipped);

} // namespace UnsearchableMessage
