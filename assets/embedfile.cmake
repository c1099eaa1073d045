# Turns a binary file into a C++ source that returns its bytes, so the program carries its
# pictures inside itself and needs nothing beside it at run time.
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DHEADER=name.h -DFUNCTION=name -P embedfile.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR byteCount "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Break the list into lines of 16 bytes (80 characters) so the source stays readable by tools.
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; do not edit.
#include \"${HEADER}\"

namespace quorvex {

namespace {
    const unsigned char bytes[${byteCount}] = {
    ${bytes}
    };
}

BytesView ${FUNCTION}()
{
    return { reinterpret_cast<const char*>(bytes), sizeof bytes };
}

} // namespace quorvex
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
