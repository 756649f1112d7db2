#include "support/JsonSubset.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString show(const QJsonValue &value)
{
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return QString::fromUtf8(QJsonDocument(QJsonArray { value }).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

QString mismatchAt(const QString &path, const QJsonValue &actual, const QJsonValue &expected)
{
    if (expected.isObject() && actual.isObject()) {
        const QJsonObject want = expected.toObject();
        const QJsonObject have = actual.toObject();
        for (auto it = want.begin(); it != want.end(); ++it) {
            const QString where = path.isEmpty() ? it.key() : path + u'.' + it.key();
            if (!have.contains(it.key()))
                return where + QStringLiteral(": missing");
            const QString difference = mismatchAt(where, have.value(it.key()), it.value());
            if (!difference.isEmpty())
                return difference;
        }
        return {};
    }
    if (expected.isArray() && actual.isArray()) {
        const QJsonArray want = expected.toArray();
        const QJsonArray have = actual.toArray();
        if (want.size() != have.size())
            return path
                + QStringLiteral(": expected %1 elements, got %2: %3")
                      .arg(want.size())
                      .arg(have.size())
                      .arg(show(have));
        for (qsizetype i = 0; i < want.size(); ++i) {
            const QString difference = mismatchAt(path + QStringLiteral("[%1]").arg(i), have[i], want[i]);
            if (!difference.isEmpty())
                return difference;
        }
        return {};
    }
    if (expected.isDouble() && actual.isDouble()
        && qFuzzyCompare(expected.toDouble() + 1, actual.toDouble() + 1))
        return {};
    if (expected == actual)
        return {};
    return path + QStringLiteral(": expected %1, got %2").arg(show(expected), show(actual));
}

} // namespace

namespace JsonSubset {

QString mismatch(const QJsonValue &actual, const QJsonValue &expected)
{
    return mismatchAt({}, actual, expected);
}

} // namespace JsonSubset
