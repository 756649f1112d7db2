#pragma once

#include "platform/widgets/FileDialogs.h"

class QFileDialog;

// Qt's own dialogs rather than the desktop's, so that they speak Danish with the rest of the program.
class QtFileDialogs : public FileDialogs {
public:
    QStringList openFiles(
        QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &suggestedPath,
        const QString &filter, QString *selectedFilter) override;
    QString chooseFolder(QWidget *parent, const QString &caption, const QString &folder) override;
    bool printerSetup(QWidget *parent, QPrinter &printer) override;

    // Qt's own dialog rather than the desktop's, with its file list in Danish: as every file dialog of the
    // program is shown.
    static void makeDanish(QFileDialog &dialog);
};
