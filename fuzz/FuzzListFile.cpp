// Feeds arbitrary bytes to the list-file reader as a file list loads its file. A file that is taken gives
// the entries its lines promise (every caption line an entry where nothing is tested; only entries whose
// file exists in a list of files), and loading what was written back gives the same entries again, so a
// list never shrinks or changes by being loaded and saved. Anything else stops the run with the input saved.

#include "app/SettingsFile.h"
#include "lists/ReopenList.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// A stand-in for the file system that answers the same for the same path.
bool exists(const QString &path)
{
    return !path.isEmpty() && path.size() % 3 != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsFile::Content read = SettingsFile::parse(bytes);
    if (!ReopenList::holdsOnlyText(read.lines))
        return 0;

    for (const TItemtype type : { TItemtype::itFil, TItemtype::itBibliotek, TItemtype::itAndet }) {
        ReopenList list;
        list.replaceAll(ReopenList::fromLines(read.lines, type, exists));
        if (type != TItemtype::itFil && list.Antal() != (read.lines.size() + 1) / 2)
            fail("a caption line did not become an entry");
        for (const TReopenRec &entry : list.entries()) {
            if (type == TItemtype::itFil && !exists(entry.Filnavn))
                fail("an entry without its file was kept");
        }

        const QStringList lines = list.toLines();
        if (lines.size() != 2 * list.Antal())
            fail("an entry was not written as two lines");
        const SettingsFile::Content again
            = SettingsFile::parse(SettingsFile::format(lines, read.encoding).bytes);
        if (ReopenList::fromLines(again.lines, type, exists) != list.entries())
            fail("the written list loads to other entries");
        list.sortFrom(0);
        if (list.Antal() != int(lines.size() / 2))
            fail("sorting lost an entry");
    }
    return 0;
}
