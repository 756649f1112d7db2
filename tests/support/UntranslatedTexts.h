#pragma once

#include <QSet>
#include <QStringList>
#include <QTranslator>

// Records every text that was asked to be translated and that no catalogue had. Installed before the
// real catalogues, it is asked last, so it hears only of the texts they left in English.
class UntranslatedTexts : public QTranslator {
public:
    QString translate(
        const char *context, const char *sourceText, const char *disambiguation, int n) const override;
    bool isEmpty() const override { return false; }

    // "context: text" for each, in the order first asked; emptied by take().
    QStringList take();

private:
    mutable QStringList texts_;
    mutable QSet<QString> seen_;
};
