#pragma once

#include <QRect>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

// A document laid out in pages of a page rectangle on one paged device: a copy of the document, so the
// editor's own layout and its spelling and link marks stay out of print, and the text may change or go
// while the pages are printed. The plain text keeps its display font, the rich text its formatting.
class PrintedPages {
public:
    // The rectangle is in device pixels from the origin of the device's painter.
    PrintedPages(const QTextDocument &document, QPagedPaintDevice &device, const QRect &pageRectangle);
    ~PrintedPages();

    int pageCount() const;
    // Draws every page, one a sheet, on the device, as one job; false when the device could not start one.
    bool paint(QPagedPaintDevice &device) const;

private:
    std::unique_ptr<QTextDocument> copy_;
    QRect pageRectangle_;
};
