#include "roster.h"

#include "fileio.h"
#include "textlines.h"

#include <sys/stat.h>

namespace quorvex {

std::vector<Bytes> parseRoster(BytesView contents)
{
    return splitLines(contents);
}

Result<std::vector<Bytes>> loadOrCreateRoster()
{
    // Anything standing under the name, a folder included, is the teacher's roster: only a
    // name that is entirely free gets a new file.
    struct stat info { };
    if (::lstat(rosterFileName.c_str(), &info) == 0 || fileExists(rosterFileName)) {
        auto contents = readFile(rosterFileName);
        if (!contents)
            return contents.error();
        return parseRoster(*contents);
    }
    std::vector<Bytes> roster { guestName };
    bool existed = false;
    if (auto created = createNewFile(rosterFileName, guestName + "\r\n", &existed); !created) {
        if (!existed)
            return created.error();
        // Another copy of the program created it a moment ago: read theirs.
        auto contents = readFile(rosterFileName);
        if (!contents)
            return contents.error();
        return parseRoster(*contents);
    }
    return roster;
}

Status writeRoster(const std::vector<Bytes>& entries)
{
    return replaceFile(rosterFileName, joinLines(entries));
}

} // namespace quorvex
