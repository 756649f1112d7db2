#pragma once

#include "platform/Notifier.h"

#include <QHash>
#include <QList>
#include <QObject>

class QDBusConnection;

// freedesktop notifications (org.freedesktop.Notifications) over D-Bus: the title is the summary, the
// text the body, the program's name the app name. Calls never wait for the server, so a slow or hung
// one cannot stop the program; with no bus or no notification service, nothing is shown and nothing
// fails. The body is escaped for servers that read markup in it, so the text shows as written.
class DBusNotifier : public QObject, public Notifier {
    Q_OBJECT

public:
    // On the bus at that address, or on the session bus of the desktop when it is empty.
    explicit DBusNotifier(const QString &busAddress = {}, QObject *parent = nullptr);

    void notify(const QString &name, const QString &title, const QString &text) override;

Q_SIGNALS:
    // The bus has answered for the notification: shown by the service, or not (no service, no answer).
    void answered(const QString &name, bool shown);

private:
    struct Notification {
        QString name;
        QString title;
        QString text;
    };
    enum class Markup { Unknown, Asking, Read, NotRead };

    QDBusConnection bus() const;
    void askForMarkup();
    void send(const Notification &notification);

    QString busAddress_;
    Markup markup_ = Markup::Unknown;
    // Sent once the server has told whether it reads markup.
    QList<Notification> waiting_;
    QHash<QString, uint> idsByName_;
};
