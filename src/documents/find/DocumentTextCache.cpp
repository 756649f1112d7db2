#include "documents/find/DocumentTextCache.h"

#include <QTextDocument>

const QString &DocumentTextCache::textOf(const QTextDocument *document)
{
    if (document != document_) {
        disconnect(watch_);
        document_ = document;
        watch_ = connect(document, &QTextDocument::contentsChanged, this, [this] { stale_ = true; });
        stale_ = true;
    }
    if (stale_) {
        text_ = document->toRawText();
        stale_ = false;
    }
    return text_;
}
