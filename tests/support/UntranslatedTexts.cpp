#include "support/UntranslatedTexts.h"

QString UntranslatedTexts::translate(
    const char *context, const char *sourceText, const char *disambiguation, int n) const
{
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    const QString text = QString::fromUtf8(context) + QStringLiteral(": ") + QString::fromUtf8(sourceText);
    if (sourceText && *sourceText && !seen_.contains(text)) {
        seen_.insert(text);
        texts_.append(text);
    }
    return {};
}

QStringList UntranslatedTexts::take()
{
    QStringList texts;
    texts.swap(texts_);
    return texts;
}
