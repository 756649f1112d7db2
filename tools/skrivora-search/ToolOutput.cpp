#include "ToolOutput.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace ToolOutput {

void write(FILE *stream, const QString &text)
{
    write(stream, text.toUtf8());
}

void write(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QByteArray compact(const QJsonValue &value)
{
    // QJsonDocument holds only arrays and objects; the brackets around the one value are cut off.
    const QByteArray wrapped = QJsonDocument(QJsonArray { value }).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

} // namespace ToolOutput
