#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// What a PDF file holds, as poppler's command-line tools read it back.
namespace PdfContents {

struct Word {
    QString text;
    int page = 0; // from 1
    QRectF box; // in points from the top left corner of the page
};

// The text with its layout kept (pdftotext -layout); pages are separated by form feeds.
QString layoutText(const QString &path);
QList<Word> words(const QString &path);
int pageCount(const QString &path);
// In points.
QSizeF pageSize(const QString &path);
// The names of the fonts used (pdffonts), without their subset prefix.
QStringList fonts(const QString &path);
// The page drawn at the resolution.
QImage pageImage(const QString &path, int page, int dotsPerInch);

constexpr double pointsPerCentimetre = 72.0 / 2.54;

} // namespace PdfContents
