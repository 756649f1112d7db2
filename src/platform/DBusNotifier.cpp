#include "platform/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

void DBusNotifier::notify(const QString &name, const QString &title, const QString &text)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("Notify"));
    call << QStringLiteral("Skrivora") << idsByName_.value(name, 0u) << QStringLiteral("skrivora") << title
         << text << QStringList() << QVariantMap() << -1;
    const QDBusReply<uint> reply = bus.call(call, QDBus::Block, 2000);
    if (reply.isValid())
        idsByName_.insert(name, reply.value());
}
