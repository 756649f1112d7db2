#include "support/RecordingNotificationServer.h"

#include <QDBusConnection>

RecordingNotificationServer::RecordingNotificationServer(
    const QString &busAddress, const QStringList &capabilities)
    : connectionName_(QStringLiteral("recording-notification-server"))
    , capabilities_(capabilities)
{
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress, connectionName_);
    serving_ = bus.isConnected()
        && bus.registerObject(
            QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots)
        && bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

RecordingNotificationServer::~RecordingNotificationServer()
{
    // The name is given back before the connection goes, so the next server of a test can take it.
    QDBusConnection bus(connectionName_);
    if (serving_)
        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    QDBusConnection::disconnectFromBus(connectionName_);
}

QStringList RecordingNotificationServer::GetCapabilities()
{
    return capabilities_;
}

uint RecordingNotificationServer::Notify(const QString &app_name, uint replaces_id, const QString &app_icon,
    const QString &summary, const QString &body, const QStringList &, const QVariantMap &hints,
    int expire_timeout)
{
    received.append({ app_name, replaces_id, app_icon, summary, body, hints, expire_timeout });
    return replaces_id ? replaces_id : ++lastId_;
}

void RecordingNotificationServer::CloseNotification(uint) { }
