#pragma once

#include <QJsonValue>
#include <QString>

// Compares a JSON value with the part of it a test cares about: every key of an expected object must be
// in the actual one with a matching value; arrays must have the same length and match element by element.
namespace JsonSubset {
// Empty when it matches; otherwise where and how it differs, e.g. "paragraphs[1].runs[0].bold: expected true,
// got false".
QString mismatch(const QJsonValue &actual, const QJsonValue &expected);
} // namespace JsonSubset
