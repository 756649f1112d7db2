#pragma once

#include <QString>
#include <QStringList>

class Clock;
class FileDialogs;
class ModalRunner;
class Notifier;
class Printing;
class Shell;

// Everything the program asks of the system outside itself. The program runs on the real services
// (SystemPlatform); tests hand in scripted ones.
struct Platform {
    Shell &shell;
    Notifier &notifier;
    FileDialogs &fileDialogs;
    Clock &clock;
    ModalRunner &modal;
    Printing &printing;
    QString userName;
    QString dataRoot;
    // Where the spelling dictionaries are looked for.
    QStringList dictionaryFolders;
    // Whether the desktop has a notification area for the tray icon (many have none).
    bool systemTrayAvailable = true;
};
