#pragma once

#include "platform/Shell.h"

// The shell on a freedesktop system: xdg-open and the MIME associations (xdg-mime), a terminal
// emulator for batch files.
class DesktopShell : public Shell {
public:
    int openFile(const QString &path) override;
    int editFile(const QString &path) override;
    int runBatchFile(const QString &path) override;
    int showFolder(const QString &folder) override;
    int openAddress(const QString &address) override;
    int runScript(const QString &script, const QString &first, const QString &second) override;
};
