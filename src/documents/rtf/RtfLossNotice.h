#pragma once

#include "documents/rtf/RtfLoss.h"

#include <QString>

// The Danish texts a window shows for what an opened RTF file held that the document cannot keep: a
// notice when the file opens and a question before the first save over that file (answered "Ja" to save
// anyway). Lines are separated by '\r', as the program's dialogs expect. Both are empty when nothing was
// lost.
class RtfLossNotice {
public:
    static QString onOpen(RtfLosses losses, const QString &fileName);
    static QString beforeSaveOver(RtfLosses losses, const QString &fileName);

private:
    static QString listOf(RtfLosses losses);
};
