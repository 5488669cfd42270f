// SPDX-License-Identifier: MIT
// An open file of the operating system (a descriptor on POSIX, a handle on
// Windows) with the few operations the disk layer builds on: read, write,
// seek, flush to the disk, close. Every failure comes back as the system's
// reason in its own words ("Input/output error"), never as an exception.
// What a log or an ADIF file is made of on top of this lives in
// run/disk_input_file.h and run/replacement_file.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kestrum {

// The system's words for an error number (errno on POSIX, a GetLastError
// code on Windows), without a closing full stop or line end.
std::string SystemReason(unsigned long code);

// The system's words for the error of the call that failed last on this
// thread.
std::string LastSystemReason();

// The file system's name for `bytes`, an 8-bit path as the program is given
// it. On Windows those bytes are in the ANSI code page, as for every "A"
// function of the system; std::filesystem would read them as Latin-1 there.
std::filesystem::path FileSystemPath(const std::string& bytes);

// Reasons of our own, where the system has none.
inline constexpr char kNotReadableKind[] = "Not a regular file or pipe";
inline constexpr char kIsDirectory[] = "Is a directory";
inline constexpr char kFileShrank[] = "File shrank while it was read";

class SystemFile {
 public:
#ifdef _WIN32
  using Native = void*;  // a HANDLE
#else
  using Native = int;  // a file descriptor
#endif

  SystemFile() = default;
  // Takes `native` over; with `owned` false it is left open at the end
  // (the process's standard input).
  explicit SystemFile(Native native, bool owned = true)
      : native_(native), owned_(owned) {}
  ~SystemFile();
  SystemFile(SystemFile&& other) noexcept;
  SystemFile& operator=(SystemFile&& other) noexcept;
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;

  bool IsOpen() const;
  Native native() const { return native_; }

  // Reads at most `buffer.size()` bytes with one call of the system: how
  // many it gave (0 at the end of the file or pipe), or nothing on failure,
  // with `error` set. An interrupted call is repeated.
  std::optional<std::size_t> ReadSome(std::span<std::byte> buffer,
                                      std::string& error);
  // Writes all of `bytes`; false on failure, with `error` set.
  bool WriteAll(std::string_view bytes, std::string& error);
  // Moves to `offset` bytes from the start.
  bool SeekTo(std::uint64_t offset, std::string& error);
  // Waits until everything written is on the disk itself.
  bool Sync(std::string& error);
  // Closes the file (an unowned one is only let go); false when the system
  // reported a failure, which may be that of an earlier write.
  bool Close(std::string& error);

 private:
  static Native Closed();

  Native native_ = Closed();
  bool owned_ = true;
};

// What an opened file is, for reading.
enum class FileKind {
  kRegular,  // a file on a disk: its size is known, it can be read again
  kPipe,     // a pipe, FIFO or socket: read once, to its end
};

struct OpenedForReading {
  SystemFile file;  // not open on failure
  FileKind kind = FileKind::kRegular;
  std::uint64_t start = 0;  // where reading starts: the file's position
  std::uint64_t size = 0;   // bytes from `start` to the end (kRegular)
  std::string error;        // the reason when `file` is not open
};

// Opens `path` (8-bit bytes, in the ANSI code page on Windows) for reading.
// A folder is refused with kIsDirectory, a device (a terminal, /dev/zero,
// a disk) with kNotReadableKind, before anything is read from it.
OpenedForReading OpenForReading(const std::string& path);

// The process's standard input, refused like OpenForReading refuses a
// device (so a terminal too); never closed.
OpenedForReading OpenStandardInputFile();

}  // namespace kestrum
