#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// The common dialogs. An empty result (or false) means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QStringList openFiles(
        QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
        = 0;
    // selectedFilter comes in as the filter to preselect and goes out as the one the user chose.
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &suggestedPath,
        const QString &filter, QString *selectedFilter)
        = 0;
    virtual QString chooseFolder(QWidget *parent, const QString &caption, const QString &folder) = 0;
    virtual bool printerSetup(QWidget *parent, QPrinter &printer) = 0;
};
