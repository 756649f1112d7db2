#include "platform/Autostart.h"

#include "platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace Autostart {

QString folder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base
        = QDir::isAbsolutePath(configHome) ? configHome : QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/autostart"));
}

bool ensureFolder()
{
    const QString path = folder();
    return QFileInfo(path).isDir() || (QDir().mkpath(path) && QFileInfo(path).isDir());
}

QString execArgument(const QString &executable)
{
    // Inside double quotes the Exec key wants ", `, $ and \ escaped by a backslash; % stands for a field
    // code unless doubled. The value as a whole is then a string value, whose own escape is the backslash.
    QString quoted;
    for (const QChar c : executable) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    QString value;
    for (const QChar c : u'"' + quoted + u'"') {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

QByteArray shortcutFor(const QString &executable)
{
    // Named and drawn as the desktop entry installed with the program, so the desktop's list of programs
    // started at log-on shows the same program as its menu.
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Skrivora\n"
                                         "GenericName=Teksteditor\n"
                                         "Comment=Skriv og ret tekstdokumenter og RTF-dokumenter\n"
                                         "Icon=skrivora\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n")
                              .arg(execArgument(executable));
    // Desktop entries are UTF-8 without a mark, with LF line ends, whatever the locale.
    return TextCodec::encode(entry, TextEncoding::Utf8, LineEnding::Lf).bytes;
}

} // namespace Autostart
