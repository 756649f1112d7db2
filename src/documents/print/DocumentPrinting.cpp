#include "documents/print/DocumentPrinting.h"

#include "app/AccessibleName.h"
#include "app/AppContext.h"
#include "app/FileMessages.h"
#include "app/FrameInterface.h"
#include "app/PrintMarginsBox.h"
#include "documents/DocumentWindow.h"
#include "documents/print/PrintFieldValues.h"
#include "documents/print/PrintedPages.h"
#include "documents/print/RichTextPrinter.h"
#include "platform/AtomicFileWriter.h"
#include "platform/widgets/FileDialogs.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/Printing.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <cmath>

namespace {

const QString kPdfFilter = QStringLiteral("PDF-dokument (*.pdf)");

// Qt's preview leaves its tool bar's zoom box, page number field and extension button without a name a
// screen reader could read.
void nameThePreviewControls(QPrintPreviewDialog &preview)
{
    for (QToolBar *bar : preview.findChildren<QToolBar *>()) {
        AccessibleName::ofExtensionButton(bar);
        for (QComboBox *zoom : bar->findChildren<QComboBox *>())
            AccessibleName::unseenLabel(zoom, QStringLiteral("Zoom"));
        for (QLineEdit *field : bar->findChildren<QLineEdit *>()) {
            if (!qobject_cast<QComboBox *>(field->parentWidget()))
                field->setAccessibleName(QStringLiteral("Sidenummer"));
        }
    }
}

QString centimetres(double millimetres)
{
    return QLocale(QLocale::Danish, QLocale::Denmark)
        .toString(std::round(millimetres) / 10.0, 'g', QLocale::FloatingPointShortest);
}

QString suggestedPdfPath(const DocumentWindow &window)
{
    if (window.Filnavn().isEmpty())
        return QStringLiteral("UdenNavn.pdf");
    const QFileInfo file(window.Filnavn());
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
}

} // namespace

DocumentPrinting::DocumentPrinting(AppContext &context)
    : context_(context)
{ }

QString DocumentPrinting::noRoomMessage(const QPageLayout &paper)
{
    const QRectF sheet = paper.fullRect(QPageLayout::Millimeter);
    return QStringLiteral("Information:\rMargenerne efterlader ikke plads til teksten på papiret ")
        + paper.pageSize().name() + QStringLiteral(" (") + centimetres(sheet.width()) + QStringLiteral(" x ")
        + centimetres(sheet.height()) + QStringLiteral(" cm).\rGør margenerne mindre, og prøv igen!");
}

bool DocumentPrinting::currentValues(PrintFieldValues &values) const
{
    values = PrintFieldValues::read(context_.printMargins->fields());
    if (!values.ok())
        context_.inform(values.error);
    return values.ok();
}

void DocumentPrinting::udskrivDokument(DocumentWindow &window)
{
    const QTextDocument *document = window.printableDocument();
    if (!document)
        return;
    const bool printers = context_.platform.printing.hasPrinters();
    if (!printers
        && !context_.ask(QStringLiteral("Der er ingen printer installeret på denne computer.\rSkal "
                                        "dokumentet gemmes som en PDF-fil i stedet?"),
            AppContext::Safe::Yes))
        return;
    if (!context_.printMargins->askForPrint())
        return;
    PrintFieldValues values;
    if (!currentValues(values))
        return;
    if (printers)
        print(*document, values);
    else
        writePdf(window, *document, values);
}

void DocumentPrinting::print(const QTextDocument &document, const PrintFieldValues &values)
{
    QPrinter &printer = context_.platform.printing.printer();
    const PrintMargins &margins = values.margins;
    switch (RichTextPrinter(context_.platform.printing)
                .PrintRichText(document, margins.left, margins.right, margins.top, margins.bottom,
                    TRichTextMeasurements::rtmCentimetres, values.copies)) {
    case RichTextPrinter::Result::Printed:
        break;
    case RichTextPrinter::Result::NoRoom:
        context_.inform(noRoomMessage(printer.pageLayout()));
        break;
    case RichTextPrinter::Result::PrinterFailed: {
        const QString name = printer.printerName();
        context_.inform(QStringLiteral("Information:\rPrinteren")
            + (name.isEmpty() ? QString() : QStringLiteral(" \"") + name + u'"')
            + QStringLiteral(" tog ikke imod udskriften.\rKontroller printeren, og prøv igen!"));
        break;
    }
    }
}

void DocumentPrinting::visUdskrift(DocumentWindow &window)
{
    PrintFieldValues values;
    const QTextDocument *document = window.printableDocument();
    if (!document || !currentValues(values))
        return;
    QPrinter &printer = context_.platform.printing.printer();
    const PrinterPage page = PrinterPage::of(printer);
    if (!PageRectangle::leavesRoom(
            PageRectangle::forMargins(values.margins, TRichTextMeasurements::rtmCentimetres, page), page)) {
        context_.inform(noRoomMessage(printer.pageLayout()));
        return;
    }
    QPrintPreviewDialog preview(&printer, context_.frame->frameWidget());
    preview.setWindowTitle(QStringLiteral("Vis udskrift"));
    nameThePreviewControls(preview);
    // Laid out anew each time the preview asks: its page set-up may have changed the paper.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
        [document, margins = values.margins](QPrinter *target) {
            const PrinterPage paper = PrinterPage::of(*target);
            const QRect rectangle
                = PageRectangle::forMargins(margins, TRichTextMeasurements::rtmCentimetres, paper);
            if (PageRectangle::leavesRoom(rectangle, paper))
                PrintedPages(*document, *target, rectangle).paint(*target);
        });
    context_.platform.modal.exec(preview);
}

void DocumentPrinting::gemSomPdf(DocumentWindow &window)
{
    PrintFieldValues values;
    const QTextDocument *document = window.printableDocument();
    if (document && currentValues(values))
        writePdf(window, *document, values);
}

void DocumentPrinting::writePdf(
    const DocumentWindow &window, const QTextDocument &document, const PrintFieldValues &values)
{
    QString filter = kPdfFilter;
    QString path = context_.platform.fileDialogs.saveFile(context_.frame->frameWidget(),
        QStringLiteral("Gem som PDF"), suggestedPdfPath(window), kPdfFilter, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path)
        && !context_.ask(QStringLiteral("Der eksisterer allerede en fil med navnet:\r")
                + QFileInfo(path).fileName() + QStringLiteral("\rSkal filen overskrives?"),
            AppContext::Safe::No))
        return;
    const QPrinter &printer = context_.platform.printing.printer();
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setTitle(window.capNavn());
        pdf.setCreator(QStringLiteral("Skrivora"));
        const PrinterPage page = PrinterPage::of(pdf);
        const QRect rectangle
            = PageRectangle::forMargins(values.margins, TRichTextMeasurements::rtmCentimetres, page);
        if (!PageRectangle::leavesRoom(rectangle, page)) {
            context_.inform(noRoomMessage(pdf.pageLayout()));
            return;
        }
        PrintedPages(document, pdf, rectangle).paint(pdf);
    }
    const AtomicFileWriter::Result written = AtomicFileWriter::write(path, bytes.data());
    if (!written.ok)
        context_.inform(FileMessages::writeFailure(path, written.error));
}
