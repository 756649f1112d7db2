#include "support/TestData.h"

#include <QFile>

namespace TestData {

QString path(const QString &relative)
{
    return QStringLiteral(SKRIVORA_TEST_DATA) + u'/' + relative;
}

QByteArray read(const QString &relative)
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test fixture %s", qPrintable(relative));
    return file.readAll();
}

} // namespace TestData
