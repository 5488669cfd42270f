// SPDX-License-Identifier: MIT
// Logs read from open system files, on every platform alike. A regular file
// is read no further than the size it had when it was opened, so that a log
// that grows while it is read still ends. A pipe can be read only once, but
// a run reads its log more than once and seeks in it: what a pipe delivers
// is kept in a scratch file as it arrives, up to a limit, so memory stays
// constant however long the log is.
#pragma once

#include <cstdint>
#include <memory>

#include "run/file_access.h"
#include "run/system_file.h"

namespace kestrum {

// The log in `file`, a regular file whose bytes from `start` on, `size`
// of them, are the log. Reading ends at `size`; a file that ends sooner
// (another program cut it) is a failure, kFileShrank.
std::unique_ptr<InputFile> MakeRegularInput(SystemFile file,
                                            std::uint64_t start,
                                            std::uint64_t size);

// The log that the pipe `source` delivers, kept in a scratch file (a
// TempFile) as it arrives; fails when no scratch file can be made. A pipe
// that delivers more than `limit` bytes fails at the first byte past it,
// with a reason that names the limit. Size() tells how many bytes arrived so
// far: all of them once a read has met the end of the pipe.
Opened<InputFile> MakePipeInput(SystemFile source, std::uint64_t limit);

}  // namespace kestrum
