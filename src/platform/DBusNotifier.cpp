#include "platform/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QVariantMap>

#include <utility>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr int kReplyMilliseconds = 10000;

QDBusMessage methodCall(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

} // namespace

DBusNotifier::DBusNotifier(const QString &busAddress, QObject *parent)
    : QObject(parent)
    , busAddress_(busAddress)
{ }

QDBusConnection DBusNotifier::bus() const
{
    if (busAddress_.isEmpty())
        return QDBusConnection::sessionBus();
    // Connections are shared by name: one name per address.
    return QDBusConnection::connectToBus(
        busAddress_, QStringLiteral("skrivora-notifications ") + busAddress_);
}

void DBusNotifier::notify(const QString &name, const QString &title, const QString &text)
{
    if (!bus().isConnected()) {
        Q_EMIT answered(name, false);
        return;
    }
    if (markup_ == Markup::Read || markup_ == Markup::NotRead) {
        send({ name, title, text });
        return;
    }
    waiting_.append({ name, title, text });
    if (markup_ == Markup::Unknown)
        askForMarkup();
}

void DBusNotifier::askForMarkup()
{
    markup_ = Markup::Asking;
    auto *watcher = new QDBusPendingCallWatcher(
        bus().asyncCall(methodCall(QStringLiteral("GetCapabilities")), kReplyMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QStringList> reply = *call;
        // Without an answer (no service yet) the next notification asks again.
        if (reply.isValid())
            markup_ = reply.value().contains(QStringLiteral("body-markup")) ? Markup::Read : Markup::NotRead;
        else
            markup_ = Markup::Unknown;
        const QList<Notification> waiting = std::exchange(waiting_, {});
        for (const Notification &notification : waiting)
            send(notification);
    });
}

void DBusNotifier::send(const Notification &notification)
{
    QVariantMap hints;
    if (const QString desktopEntry = QGuiApplication::desktopFileName(); !desktopEntry.isEmpty())
        hints.insert(QStringLiteral("desktop-entry"), desktopEntry);
    const QString body = markup_ == Markup::Read ? notification.text.toHtmlEscaped() : notification.text;
    QDBusMessage call = methodCall(QStringLiteral("Notify"));
    call << QStringLiteral("Skrivora") << idsByName_.value(notification.name, 0u)
         << QStringLiteral("skrivora") << notification.title << body << QStringList() << hints << -1;
    auto *watcher = new QDBusPendingCallWatcher(bus().asyncCall(call, kReplyMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, name = notification.name](QDBusPendingCallWatcher *reply) {
            reply->deleteLater();
            const QDBusPendingReply<uint> id = *reply;
            if (id.isValid())
                idsByName_.insert(name, id.value());
            Q_EMIT answered(name, id.isValid());
        });
}
