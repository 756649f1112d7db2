#include "platform/widgets/QtFileDialogs.h"

#include "platform/widgets/DanishFileListModel.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

void QtFileDialogs::makeDanish(QFileDialog &dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new DanishFileListModel(&dialog));
}

QStringList QtFileDialogs::openFiles(
    QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    QFileDialog dialog(parent, caption, folder, filter);
    makeDanish(dialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString QtFileDialogs::saveFile(QWidget *parent, const QString &caption, const QString &suggestedPath,
    const QString &filter, QString *selectedFilter)
{
    // A suggested path that names a file opens its folder with the name filled in.
    QFileDialog dialog(parent, caption, suggestedPath, filter);
    makeDanish(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks its own question before it writes over a file; a second one here would ask twice.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (selectedFilter && !selectedFilter->isEmpty())
        dialog.selectNameFilter(*selectedFilter);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}

QString QtFileDialogs::chooseFolder(QWidget *parent, const QString &caption, const QString &folder)
{
    QFileDialog dialog(parent, caption, folder);
    makeDanish(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool QtFileDialogs::printerSetup(QWidget *parent, QPrinter &printer)
{
    // Without a printer the program's printer writes PDF files: what is left to set up is the paper.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    // Choosing a printer and its paper; page ranges and printing to a file belong to each print.
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    dialog.setWindowTitle(QStringLiteral("Printer"));
    // Its button would say "Udskriv", yet nothing is printed here.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}
