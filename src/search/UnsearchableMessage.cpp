#include "search/UnsearchableMessage.h"

namespace {

constexpr int kListed = 15;

} // namespace

namespace UnsearchableMessage {

QString text(const QString &heading, const QList<UnsearchableFile> &skipped)
{
    QString message = QStringLiteral("Information:\r") + heading;
    for (qsizetype i = 0; i < skipped.size() && i < kListed; ++i)
        message += u'\r' + skipped[i].file + QStringLiteral(": ") + skipped[i].reason;
    if (skipped.size() > kListed)
        message += QStringLiteral("\rog %1 andre.").arg(skipped.size() - kListed);
    return message;
}

} // namespace UnsearchableMessage
