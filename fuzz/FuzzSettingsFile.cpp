// Feeds arbitrary bytes to the settings-file reader as every window reads its file at start. The lines
// hold no line break, every kind of value either applies or says no, and the file written from the lines
// reads back, undamaged, to the same lines in the same encoding, so a start and a close never change what
// is stored.
// Anything else stops the run with the input saved.

#include "app/SettingsFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsFile::Content read = SettingsFile::parse(bytes);
    for (const QString &line : read.lines) {
        if (line.contains(u'\n') || line.contains(u'\r'))
            fail("a line kept a line break");
    }

    unsigned sink = 0; // keeps the appliers from being optimised away
    QString text;
    const std::vector<SettingsLine> appliers = {
        SettingsLine::integer([&](int value) { sink ^= unsigned(value); }),
        SettingsLine::choice(3,
            [&](int value) {
                if (value < 0 || value >= 3)
                    fail("a choice out of its range was applied");
            }),
        SettingsLine::flag([&](bool value) { sink ^= unsigned(value); }),
        SettingsLine::text([&](const QString &value) { text = value; }),
    };
    for (const QString &line : read.lines) {
        for (const SettingsLine &applier : appliers)
            applier.applyTo(line);
    }

    const EncodedText written = SettingsFile::format(read.lines, read.encoding);
    const SettingsFile::Content again = SettingsFile::parse(written.bytes);
    if (again.lines != read.lines)
        fail("the written file reads back to other lines");
    if (again.damaged)
        fail("the written file reads as damaged");
    // Windows-1252 that would read back as UTF-8 is the one text written in another encoding, and
    // ASCII reads back as UTF-8 whatever it was written in.
    const bool keptInUtf8
        = read.encoding == TextEncoding::Windows1252 && written.encoding == TextEncoding::Utf8Bom;
    const bool ascii = std::all_of(written.bytes.begin(), written.bytes.end(),
        [](char b) { return static_cast<unsigned char>(b) < 0x80; });
    if (!read.lines.isEmpty() && written.encoding != read.encoding && !keptInUtf8)
        fail("the written file changed its encoding");
    if (!read.lines.isEmpty() && again.encoding != written.encoding && !ascii)
        fail("the written file reads back in another encoding");
    return 0;
}
