#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A notification service for tests: it owns org.freedesktop.Notifications on a bus and records every
// notification it is sent, as a desktop's notification centre would receive it.
class RecordingNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Received {
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QVariantMap hints;
        int expireTimeout = 0;
    };

    // capabilities: what the service tells clients it can show ("body", "body-markup", ...).
    RecordingNotificationServer(const QString &busAddress, const QStringList &capabilities);
    ~RecordingNotificationServer() override;

    // Whether it owns the service name on the bus.
    bool isServing() const { return serving_; }

    QList<Received> received;

public Q_SLOTS:
    QStringList GetCapabilities();
    uint Notify(const QString &app_name, uint replaces_id, const QString &app_icon, const QString &summary,
        const QString &body, const QStringList &actions, const QVariantMap &hints, int expire_timeout);
    void CloseNotification(uint id);

private:
    QString connectionName_;
    QStringList capabilities_;
    bool serving_ = false;
    uint lastId_ = 0;
};
