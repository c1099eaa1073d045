// The teacher password file, password.txt, from any bytes: the password is exactly the first
// line, it never carries a line end, and a password written by Set Password reads back as itself.

#include "core/classfolder/fileio.h"
#include "core/classfolder/password.h"
#include "fuzzsupport.h"

#include <cstdint>

using namespace quorvex;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzsupport::enterWorkingFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const BytesView input(reinterpret_cast<const char*>(data), size);
    const BytesView lineEnders("\r\n\x1a", 3);

    const Bytes password = parsePassword(input);
    // A prefix of the input that stops at the first line ender, or runs to the end.
    FUZZ_CHECK(input.substr(0, password.size()) == password);
    FUZZ_CHECK(password.find_first_of(lineEnders) == Bytes::npos);
    FUZZ_CHECK(password.size() == input.size() || lineEnders.find(input[password.size()]) != BytesView::npos);
    FUZZ_CHECK(passwordFitsOneLine(password));
    FUZZ_CHECK(passwordMatches(password, password));
    if (input != password)
        FUZZ_CHECK(!passwordMatches(input, password));
    FUZZ_CHECK(passwordFitsOneLine(input) == (input == password));

    // The same bytes found on disk at start-up.
    fuzzsupport::putFile(passwordFileName, input);
    const Result<std::optional<Bytes>> stored = readPasswordFile();
    FUZZ_CHECK(stored.ok());
    FUZZ_CHECK(stored->has_value());
    FUZZ_CHECK(**stored == password);

    // Set Password with that text, then the next start.
    FUZZ_CHECK(writePasswordFile(password).ok());
    const Result<Bytes> written = readFile(passwordFileName);
    FUZZ_CHECK(written.ok());
    FUZZ_CHECK(*written == password + "\r\n");
    const Result<std::optional<Bytes>> reread = readPasswordFile();
    FUZZ_CHECK(reread.ok() && reread->has_value());
    FUZZ_CHECK(**reread == password);
    return 0;
}
