#include "support/OptionsFile.h"

#include <QList>

namespace OptionsFile {

QByteArray with(const QMap<int, QByteArray> &changedLines)
{
    QList<QByteArray> lines = { "Windows10 Clear Day", "0", "0", "0", "0", "0", "0", "0", "0", "3", "2", "0",
        "1", "1", "0", "120", "0", "1", "0", "0" };
    for (auto it = changedLines.begin(); it != changedLines.end(); ++it)
        lines[it.key()] = it.value();
    return lines.join("\r\n") + "\r\n";
}

} // namespace OptionsFile
