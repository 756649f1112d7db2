#pragma once

#include "platform/AtomicFileWriter.h"
#include "platform/TextCodec.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// How one stored line is understood and applied to its window.
class SettingsLine {
public:
    static SettingsLine integer(std::function<void(int)> apply);
    // A position among `count` choices, 0 to count - 1; any other number fails like a line that is not one.
    static SettingsLine choice(int count, std::function<void(int)> apply);
    // A check box: checked when the whole number is 1.
    static SettingsLine flag(std::function<void(bool)> apply);
    static SettingsLine text(std::function<void(const QString &)> apply);

    // False when the line is not what it should be; nothing is applied then.
    bool applyTo(const QString &line) const { return apply_(line); }

private:
    explicit SettingsLine(std::function<bool(const QString &)> apply)
        : apply_(std::move(apply))
    { }
    std::function<bool(const QString &)> apply_;
};

// The stored state of one window or one file list: plain text, one value per line, always rewritten
// whole with CR LF after every line. Read with mark detection; written back in the encoding it was read
// in, or the system's for a new file.
class SettingsFile {
public:
    enum class Status { Missing, Unreadable, Read };

    // What the bytes of a settings or list file hold: its lines, without their line breaks, and the
    // encoding they were read in. A damaged file (bytes its encoding has no character for, read as the
    // replacement character) says so: what it holds is applied, but it is not written back unasked.
    struct Content {
        QStringList lines;
        TextEncoding encoding = TextEncoding::Utf8;
        bool damaged = false;
    };
    static Content parse(QByteArrayView bytes);
    // The bytes of the lines as the file stores them; no lines make no bytes, without a mark.
    static EncodedText format(const QStringList &lines, TextEncoding encoding);

    explicit SettingsFile(QString path);

    const QString &path() const { return path_; }
    Status read();
    const QStringList &lines() const { return lines_; }
    // Whether the last read met damaged bytes.
    bool damaged() const { return damaged_; }
    // Danish reason of the last failed read or write.
    const QString &error() const { return error_; }

    // Applies the read lines in order, one applier each, and stops at the first line that is missing or
    // fails; what was applied before it stays. True when every applier got its line.
    bool apply(const std::vector<SettingsLine> &appliers) const;

    // No lines make an empty file, without a byte-order mark even where the file had one.
    bool write(const QStringList &lines);

    static QString flag(bool checked) { return checked ? QStringLiteral("1") : QStringLiteral("0"); }

    // The message of windows that report a settings file they could not read.
    static QString startupFailureMessage();

private:
    QString path_;
    QStringList lines_;
    TextEncoding encoding_;
    bool damaged_ = false;
    QString error_;
};
