#include "documents/print/PrintFieldValues.h"

#include <QLocale>

namespace {

bool readMargin(const QString &text, const QString &label, double &value, QString &error)
{
    bool ok = false;
    value = QLocale(QLocale::Danish, QLocale::Denmark).toDouble(text, &ok);
    if (!ok)
        error = QStringLiteral("Information:\rFeltet \"") + label
            + QStringLiteral("\" skal indeholde et tal i centimeter, for eksempel 2,5, og ikke \"") + text
            + QStringLiteral("\".\rPrøv igen!");
    return ok;
}

} // namespace

PrintFieldValues PrintFieldValues::read(const PrintMarginsBox::Fields &fields)
{
    PrintFieldValues values;
    for (const QString *text : { &fields.left, &fields.right, &fields.top, &fields.bottom, &fields.copies }) {
        if (text->isEmpty()) {
            values.error = QStringLiteral("Information:\rDer mangler en værdi, prøv igen!");
            return values;
        }
    }
    PrintMargins &margins = values.margins;
    if (!readMargin(fields.left, QStringLiteral("Venstre"), margins.left, values.error)
        || !readMargin(fields.right, QStringLiteral("Højre"), margins.right, values.error)
        || !readMargin(fields.top, QStringLiteral("Top"), margins.top, values.error)
        || !readMargin(fields.bottom, QStringLiteral("Bund"), margins.bottom, values.error))
        return values;
    bool ok = false;
    values.copies = QLocale::c().toInt(fields.copies, &ok);
    if (!ok)
        values.error = QStringLiteral("Information:\rFeltet \"Kopiantal\" skal indeholde et helt tal, for "
                                      "eksempel 1, og ikke \"")
            + fields.copies + QStringLiteral("\".\rPrøv igen!");
    return values;
}
