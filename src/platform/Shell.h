#pragma once

#include <QString>

// Hands files, folders, scripts and web addresses to the desktop. Every call returns a result code:
// greater than 32 when the request was accepted, 32 or less an error code that the opening service
// turns into a Danish message.
class Shell {
public:
    enum Code : int {
        OutOfResources = 0,
        FileNotFound = 2,
        PathNotFound = 3,
        AccessDenied = 5,
        NoAssociation = 31,
        Accepted = 42,
    };

    virtual ~Shell() = default;
    // The file's associated program, started in the file's folder.
    virtual int openFile(const QString &path) = 0;
    // The associated editor; where the desktop has no such verb, the user's default text editor.
    virtual int editFile(const QString &path) = 0;
    // A batch file run in a command processor that stays open, in the program's current folder.
    virtual int runBatchFile(const QString &path) = 0;
    virtual int showFolder(const QString &folder) = 0;
    virtual int openAddress(const QString &address) = 0;
    virtual int runScript(const QString &script, const QString &first, const QString &second) = 0;
};
