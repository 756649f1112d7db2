#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QTextDocument;

// A document's text as searching sees it (its blocks joined by U+2029, as QTextDocument::toRawText gives
// it), taken once after each change instead of for every search: finding every occurrence in a big
// document searches thousands of times between two edits.
class DocumentTextCache : public QObject {
    Q_OBJECT

public:
    const QString &textOf(const QTextDocument *document);

private:
    QPointer<const QTextDocument> document_;
    QMetaObject::Connection watch_;
    QString text_;
    bool stale_ = true;
};
