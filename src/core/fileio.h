#pragma once

#include "result.h"

namespace quorvex {

// Every file lies in the current working folder and is named by its bare name.

// True when a regular file of that name exists (a folder of that name is no file).
bool fileExists(const Bytes& name);

Result<Bytes> readFile(const Bytes& name);

// Replaces the whole file in one step: the bytes are written and flushed to a file beside
// it, which is then renamed over the old one. A failure or a crash at any moment leaves
// either the old file whole or the new one whole.
Status replaceFile(const Bytes& name, BytesView contents);

// Creates a file that must not exist yet, with its whole contents in one step: the bytes are
// written aside and then linked in under the name, which fails if the name appeared in the
// meantime (error reason "File exists", and existedAlready is set). A crash never leaves a
// half-written file under the name.
Status createNewFile(const Bytes& name, BytesView contents, bool* existedAlready = nullptr);

Status removeFile(const Bytes& name);
Status renameFile(const Bytes& from, const Bytes& to);

} // namespace quorvex
