#pragma once

#include "documents/rtf/RtfLoss.h"

#include <QString>

struct RtfReadResult {
    enum class Status {
        Read,
        NotRtf,
        Failed, // nothing was read; the document is empty
        Empty, // RTF that gave an empty document although the file holds more: damaged or cut short
    };

    Status status = Status::Read;
    QString error; // Danish, for the user; set when Failed or Empty
    // What the document could not keep (Read and Empty). The window tells the user when the file opens
    // and asks before the first save over that file (RtfLossNotice gives both texts); saving under a new
    // name needs no question.
    RtfLosses losses;

    bool ok() const { return status == Status::Read; }
};
