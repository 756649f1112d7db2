#include "platform/widgets/QtFileDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>

namespace {
constexpr auto kOwnDialog = QFileDialog::DontUseNativeDialog;
}

QStringList QtFileDialogs::openFiles(
    QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter, nullptr, kOwnDialog);
}

QString QtFileDialogs::saveFile(QWidget *parent, const QString &caption, const QString &suggestedPath,
    const QString &filter, QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter, selectedFilter, kOwnDialog);
}

QString QtFileDialogs::chooseFolder(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder, QFileDialog::ShowDirsOnly | kOwnDialog);
}

bool QtFileDialogs::printerSetup(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
