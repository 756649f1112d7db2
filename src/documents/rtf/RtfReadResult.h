#pragma once

#include <QString>

struct RtfReadResult {
    enum class Status { Read, NotRtf, Failed };

    Status status = Status::Read;
    QString error; // Danish, for the user; set when Failed

    bool ok() const { return status == Status::Read; }
};
