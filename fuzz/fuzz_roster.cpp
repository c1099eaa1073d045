// The roster file, studnames.txt, from any bytes at all: every line becomes exactly one entry,
// nothing is invented or lost, and what the program writes reads back as the same roster.

#include "core/classfolder/fileio.h"
#include "core/classfolder/roster.h"
#include "core/classfolder/textlines.h"
#include "fuzzsupport.h"

#include <cstdint>

using namespace quorvex;
using fuzzsupport::expectedLines;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzsupport::enterWorkingFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const BytesView input(reinterpret_cast<const char*>(data), size);

    const std::vector<Bytes> entries = parseRoster(input);
    FUZZ_CHECK(entries == expectedLines(input));
    for (const Bytes& entry : entries)
        FUZZ_CHECK(entry.find_first_of(BytesView("\r\n\x1a", 3)) == Bytes::npos);

    // The same bytes found on disk at start-up.
    fuzzsupport::putFile(rosterFileName, input);
    const Result<std::vector<Bytes>> loaded = loadOrCreateRoster();
    FUZZ_CHECK(loaded.ok());
    FUZZ_CHECK(*loaded == entries);

    // Written back by the teacher's Done and read at the next start: the same entries, and the
    // file holds each one as a line ending in CR LF.
    FUZZ_CHECK(writeRoster(entries).ok());
    const Result<Bytes> written = readFile(rosterFileName);
    FUZZ_CHECK(written.ok());
    FUZZ_CHECK(*written == joinLines(entries));
    const Result<std::vector<Bytes>> reloaded = loadOrCreateRoster();
    FUZZ_CHECK(reloaded.ok());
    FUZZ_CHECK(*reloaded == entries);
    return 0;
}
