// SPDX-License-Identifier: MIT
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "run/replacement_file.h"

namespace kestrum {

struct ReplacementFile::State {
  SystemFile file;
  std::filesystem::path target;
  std::filesystem::path temporary;  // the new file's name until Commit
  bool markedForDeletion = false;   // the system removes it when closed
  bool direct = false;              // `file` is the target itself
  bool replaceExisting = true;
  bool committed = false;
  bool replaced = false;

  State() = default;
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  ~State() {
    std::string ignored;
    file.Close(ignored);
    if (!committed && !temporary.empty() && !markedForDeletion) {
      DeleteFileW(temporary.c_str());
    }
  }
};

namespace {

namespace fs = std::filesystem;

// Symbolic links followed before the path counts as a loop.
constexpr int kMostLinks = 40;

ReplacementFile::Created Failure(DWORD code) {
  return {nullptr, SystemReason(static_cast<unsigned long>(code))};
}

ReplacementFile::Created Failure(const std::string& reason) {
  return {nullptr, reason};
}

// The file a path finally names, following symbolic links, so that the new
// file is made beside it and the links survive; empty for a loop.
fs::path ResolvedTarget(const fs::path& path) {
  std::error_code error;
  fs::path target = path;
  for (int hops = 0; fs::is_symlink(target, error); ++hops) {
    if (hops == kMostLinks) return fs::path();
    fs::path next = fs::read_symlink(target, error);
    if (error) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

std::wstring TemporaryName() {
  thread_local std::mt19937 generator{std::random_device{}()};
  constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
  std::wstring name = L".kestrum-";
  for (int i = 0; i < 8; ++i) {
    name += kLetters[generator() % (sizeof kLetters / sizeof kLetters[0] - 1)];
  }
  return name + L".tmp";
}

bool MarkForDeletion(HANDLE file, bool deleteIt) {
  FILE_DISPOSITION_INFO disposition;
  disposition.DeleteFile = deleteIt ? TRUE : FALSE;
  return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                    sizeof disposition) != 0;
}

}  // namespace

ReplacementFile::ReplacementFile(std::unique_ptr<State> state)
    : state_(std::move(state)) {}

ReplacementFile::~ReplacementFile() = default;

ReplacementFile::Created ReplacementFile::Create(const std::string& path,
                                                 bool replaceExisting,
                                                 Naming /*naming*/) {
  auto state = std::make_unique<State>();
  state->replaceExisting = replaceExisting;
  state->target = ResolvedTarget(FileSystemPath(path));
  if (state->target.empty()) return Failure(ERROR_CANT_RESOLVE_FILENAME);

  // What is there now: nothing, a file, a folder or a device such as NUL.
  const HANDLE probe =
      CreateFileW(state->target.c_str(), FILE_READ_ATTRIBUTES,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (probe == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code != ERROR_FILE_NOT_FOUND) return Failure(code);
  } else {
    const DWORD type = GetFileType(probe);
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(probe, &info) != 0;
    CloseHandle(probe);
    if (type != FILE_TYPE_DISK) {
      // A device cannot be moved over; it takes the text itself.
      const HANDLE device = CreateFileW(state->target.c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
      if (device == INVALID_HANDLE_VALUE) return Failure(GetLastError());
      state->file = SystemFile(device);
      state->direct = true;
      return {std::unique_ptr<ReplacementFile>(
                  new ReplacementFile(std::move(state))),
              {}};
    }
    if (known && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return Failure(kIsDirectory);
    }
    // The move would replace a read-only file that the user may not write.
    if (known && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
      return Failure(ERROR_ACCESS_DENIED);
    }
  }

  const fs::path folder = state->target.has_parent_path()
                              ? state->target.parent_path()
                              : fs::path(L".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path temporary = folder / TemporaryName();
    const HANDLE handle =
        CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      state->file = SystemFile(handle);
      state->temporary = temporary;
      // Until Commit the system removes the file whatever ends the process.
      state->markedForDeletion = MarkForDeletion(handle, true);
      return {std::unique_ptr<ReplacementFile>(
                  new ReplacementFile(std::move(state))),
              {}};
    }
    const DWORD code = GetLastError();
    if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) {
      return Failure(code);
    }
  }
  return Failure(ERROR_FILE_EXISTS);
}

SystemFile& ReplacementFile::File() { return state_->file; }

bool ReplacementFile::Commit(std::string& error) {
  State& state = *state_;
  if (state.committed) return true;
  if (state.direct) return state.committed = true;
  if (!state.file.Sync(error)) return false;
  if (state.markedForDeletion) {
    if (!MarkForDeletion(state.file.native(), false)) {
      error = LastSystemReason();
      return false;
    }
    state.markedForDeletion = false;
  }
  if (!state.file.Close(error)) return false;
  const bool existed =
      GetFileAttributesW(state.target.c_str()) != INVALID_FILE_ATTRIBUTES;
  const DWORD flags = MOVEFILE_WRITE_THROUGH |
                      (state.replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
  if (!MoveFileExW(state.temporary.c_str(), state.target.c_str(), flags)) {
    error = LastSystemReason();
    return false;
  }
  state.committed = true;
  state.replaced = existed;
  return true;
}

bool ReplacementFile::ReplacedExisting() const {
  return state_->committed && state_->replaced;
}

}  // namespace kestrum
