#include "documents/print/PrintedPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>

PrintedPages::PrintedPages(
    const QTextDocument &document, QPagedPaintDevice &device, const QRect &pageRectangle)
    : copy_(document.clone())
    , pageRectangle_(pageRectangle)
{
    // A page has no side to scroll to: long lines wrap whatever the editor does on screen.
    QTextOption option = copy_->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    copy_->setDefaultTextOption(option);
    // Measured on the device itself, so fonts and tab stops come out at their size on paper.
    copy_->documentLayout()->setPaintDevice(&device);
    copy_->setDocumentMargin(0);
    copy_->setPageSize(pageRectangle.size());
}

PrintedPages::~PrintedPages() = default;

int PrintedPages::pageCount() const
{
    return copy_->pageCount();
}

bool PrintedPages::paint(QPagedPaintDevice &device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QAbstractTextDocumentLayout::PaintContext context;
    // Text without a colour of its own prints black, whatever the screen's theme.
    context.palette.setColor(QPalette::Text, Qt::black);
    const int height = pageRectangle_.height();
    const int pages = pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.translate(pageRectangle_.left(), pageRectangle_.top() - page * height);
        // The layout draws every line that touches the clip, and also the line of a paragraph just above
        // it: half a pixel in from the edges keeps the next page's first line off this one, and the painter's
        // clip cuts away the line above (it stays only in a PDF file's hidden text, as in Qt's own print).
        const QRectF sheet(0, page * height, pageRectangle_.width(), height);
        painter.setClipRect(sheet);
        context.clip = sheet.adjusted(0, 0.5, 0, -0.5);
        copy_->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}
