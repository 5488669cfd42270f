// SPDX-License-Identifier: MIT
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

#include "run/system_file.h"

namespace kestrum {
namespace {

// The largest piece handed to one ReadFile or WriteFile.
constexpr std::size_t kMostPerCall = 1u << 30;

std::string ReasonOf(DWORD code) {
  return SystemReason(static_cast<unsigned long>(code));
}

// Fills in what the open `result.file` is, or closes it with the reason.
void Describe(OpenedForReading& result) {
  const HANDLE handle = result.file.native();
  std::string ignored;
  switch (GetFileType(handle)) {
    case FILE_TYPE_DISK: {
      BY_HANDLE_FILE_INFORMATION info;
      if (GetFileInformationByHandle(handle, &info) &&
          (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        result.error = kIsDirectory;
        result.file.Close(ignored);
        return;
      }
      LARGE_INTEGER size;
      LARGE_INTEGER position;
      LARGE_INTEGER zero{};
      if (!GetFileSizeEx(handle, &size) ||
          !SetFilePointerEx(handle, zero, &position, FILE_CURRENT)) {
        result.error = LastSystemReason();
        result.file.Close(ignored);
        return;
      }
      result.kind = FileKind::kRegular;
      result.start = static_cast<std::uint64_t>(position.QuadPart);
      result.size =
          size.QuadPart > position.QuadPart
              ? static_cast<std::uint64_t>(size.QuadPart - position.QuadPart)
              : 0;
      return;
    }
    case FILE_TYPE_PIPE:
      result.kind = FileKind::kPipe;
      return;
    default:  // a console, NUL, a serial port
      result.error = kNotReadableKind;
      result.file.Close(ignored);
      return;
  }
}

}  // namespace

std::filesystem::path FileSystemPath(const std::string& bytes) {
  if (bytes.empty()) return std::filesystem::path();
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return std::filesystem::path(wide);
}

std::string SystemReason(unsigned long code) {
  char* text = nullptr;
  const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER |
                      FORMAT_MESSAGE_FROM_SYSTEM |
                      FORMAT_MESSAGE_IGNORE_INSERTS;
  // In English where the system has it, else in its own language.
  DWORD length = FormatMessageA(flags, nullptr, code,
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                reinterpret_cast<char*>(&text), 0, nullptr);
  if (length == 0) {
    length = FormatMessageA(flags, nullptr, code, 0,
                            reinterpret_cast<char*>(&text), 0, nullptr);
  }
  std::string reason =
      length == 0 ? "Error " + std::to_string(code) : std::string(text, length);
  LocalFree(text);
  // The system ends its messages in a full stop and CR LF; the messages
  // around a reason bring their own.
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.')) {
    reason.pop_back();
  }
  return reason;
}

std::string LastSystemReason() {
  const DWORD code = GetLastError();
  return ReasonOf(code != 0 ? code : ERROR_GEN_FAILURE);
}

SystemFile::Native SystemFile::Closed() { return INVALID_HANDLE_VALUE; }

bool SystemFile::IsOpen() const {
  return native_ != INVALID_HANDLE_VALUE && native_ != nullptr;
}

std::optional<std::size_t> SystemFile::ReadSome(std::span<std::byte> buffer,
                                                std::string& error) {
  DWORD got = 0;
  const DWORD wanted =
      static_cast<DWORD>(std::min(buffer.size(), kMostPerCall));
  if (ReadFile(native_, buffer.data(), wanted, &got, nullptr)) return got;
  const DWORD code = GetLastError();
  // A pipe whose writer has gone has ended.
  if (code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF) return 0;
  error = ReasonOf(code);
  return std::nullopt;
}

bool SystemFile::WriteAll(std::string_view bytes, std::string& error) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD wanted =
        static_cast<DWORD>(std::min(bytes.size(), kMostPerCall));
    if (!WriteFile(native_, bytes.data(), wanted, &written, nullptr)) {
      error = LastSystemReason();
      return false;
    }
    if (written == 0) {
      error = ReasonOf(ERROR_DISK_FULL);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool SystemFile::SeekTo(std::uint64_t offset, std::string& error) {
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(offset);
  if (distance.QuadPart < 0 ||
      !SetFilePointerEx(native_, distance, nullptr, FILE_BEGIN)) {
    error = distance.QuadPart < 0 ? ReasonOf(ERROR_NEGATIVE_SEEK)
                                  : LastSystemReason();
    return false;
  }
  return true;
}

bool SystemFile::Sync(std::string& error) {
  if (FlushFileBuffers(native_)) return true;
  error = LastSystemReason();
  return false;
}

bool SystemFile::Close(std::string& error) {
  if (!IsOpen()) return true;
  const HANDLE native = native_;
  native_ = Closed();
  if (!owned_) return true;
  if (CloseHandle(native)) return true;
  error = LastSystemReason();
  return false;
}

OpenedForReading OpenForReading(const std::string& path) {
  OpenedForReading result;
  // Backup semantics open a folder too, so that it can be told apart.
  const HANDLE handle = CreateFileW(
      FileSystemPath(path).c_str(), GENERIC_READ,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN,
      nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    result.error = LastSystemReason();
    return result;
  }
  result.file = SystemFile(handle);
  Describe(result);
  return result;
}

OpenedForReading OpenStandardInputFile() {
  OpenedForReading result;
  const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr) {
    result.error = ReasonOf(ERROR_INVALID_HANDLE);
    return result;
  }
  result.file = SystemFile(handle, false);
  Describe(result);
  return result;
}

}  // namespace kestrum
