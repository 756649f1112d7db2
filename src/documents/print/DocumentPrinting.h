#pragma once

#include <QString>

class AppContext;
class DocumentWindow;
class QPageLayout;
class QTextDocument;
struct PrintFieldValues;

// The print commands on a document window: "Udskriv..." with the margins and copies of the print margins
// box, "Vis udskrift" and "Gem som PDF..." with the margins the box holds. Every failure is told in
// Danish; nothing is printed or written then.
class DocumentPrinting {
public:
    explicit DocumentPrinting(AppContext &context);

    void udskrivDokument(DocumentWindow &window);
    void visUdskrift(DocumentWindow &window);
    void gemSomPdf(DocumentWindow &window);

    // The message for margins that leave no room on that paper.
    static QString noRoomMessage(const QPageLayout &paper);

private:
    // The box's current values; false after telling what is wrong with them.
    bool currentValues(PrintFieldValues &values) const;
    void print(const QTextDocument &document, const PrintFieldValues &values);
    void writePdf(
        const DocumentWindow &window, const QTextDocument &document, const PrintFieldValues &values);

    AppContext &context_;
};
