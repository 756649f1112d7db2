#pragma once

#include <QString>

// Danish reasons for failed file operations: the C library's texts follow the system locale, which is
// rarely Danish, and every message the user sees must be.
class FileError {
public:
    static QString reason(int errnoValue);
};
