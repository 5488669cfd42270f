// SPDX-License-Identifier: MIT
#include "cli/file_identity.h"

#include <cstddef>
#include <string_view>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cctype>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kestrum::cli {

namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

bool IsSeparator(char c) {
  return kSeparators.find(c) != std::string_view::npos;
}

// The steps of `path` without empty and "." steps, ".." taking away the step
// before it where there is one.
std::vector<std::string> NormalSteps(std::string_view path) {
  std::vector<std::string> steps;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::string_view step = path.substr(start, end - start);
    if (step == "..") {
      if (!steps.empty() && steps.back() != "..") {
        steps.pop_back();
      } else {
        steps.emplace_back(step);
      }
    } else if (!step.empty() && step != ".") {
      steps.emplace_back(step);
    }
    start = end + 1;
  }
  return steps;
}

std::string Joined(const std::vector<std::string>& steps) {
  std::string joined;
  for (const std::string& step : steps) {
    if (!joined.empty()) joined += '/';
    joined += step;
  }
#ifdef _WIN32
  // Windows does not tell names apart by the case of their letters.
  for (char& c : joined) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
#endif
  return joined;
}

// `path` split at its last separator into the folder and the last step; a
// path without a separator is a step in the current folder. Separators at
// the end are no step.
struct Split {
  std::string folder;
  std::string step;
};

Split SplitLast(std::string path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  std::size_t last = path.size();
  while (last > 0 && !IsSeparator(path[last - 1])) --last;
  if (last == 0) return {".", path};
  std::string folder = path.substr(0, last);
  while (folder.size() > 1 && IsSeparator(folder.back())) folder.pop_back();
  return {folder, path.substr(last)};
}

#ifdef _WIN32
std::optional<FileId> IdentifyHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION information;
  if (!GetFileInformationByHandle(handle, &information)) return std::nullopt;
  return FileId{information.dwVolumeSerialNumber,
                (std::uint64_t{information.nFileIndexHigh} << 32) |
                    information.nFileIndexLow};
}
#else
FileId IdOf(const struct stat& status) {
  return {static_cast<std::uint64_t>(status.st_dev),
          static_cast<std::uint64_t>(status.st_ino)};
}
#endif

std::string AbsoluteSpelling(const std::string& path) {
  std::string absolute = path;
  if (absolute.empty() || !IsSeparator(absolute.front())) {
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD length =
        GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    if (length > 0 && length < MAX_PATH) absolute.assign(buffer, length);
#else
    std::vector<char> buffer(4096);
    if (getcwd(buffer.data(), buffer.size()) != nullptr) {
      absolute = std::string(buffer.data()) + "/" + path;
    }
#endif
  }
  std::string spelling = "/";
  spelling += Joined(NormalSteps(absolute));
  return spelling;
}

}  // namespace

std::optional<FileId> IdentifyFile(const std::string& path) {
#ifdef _WIN32
  const HANDLE handle = CreateFileA(
      path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  const std::optional<FileId> id = IdentifyHandle(handle);
  CloseHandle(handle);
  return id;
#else
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return std::nullopt;
  return IdOf(status);
#endif
}

std::optional<FileId> IdentifyStandardStream(StandardStream stream) {
#ifdef _WIN32
  const HANDLE handle = GetStdHandle(
      stream == StandardStream::kInput ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr ||
      GetFileType(handle) != FILE_TYPE_DISK) {
    return std::nullopt;
  }
  return IdentifyHandle(handle);
#else
  struct stat status;
  const int descriptor =
      stream == StandardStream::kInput ? STDIN_FILENO : STDOUT_FILENO;
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  return IdOf(status);
#endif
}

FilePlace PlaceOf(const std::string& path) {
  Split split = SplitLast(path);
  std::string rest = split.step;
  // Walk up to the first folder that exists; what lies below it is compared
  // by its normalised spelling. Each step up shortens the folder.
  for (;;) {
    if (const std::optional<FileId> folder = IdentifyFile(split.folder)) {
      return {*folder, Joined(NormalSteps(rest))};
    }
    const bool isRoot =
        split.folder.size() == 1 && IsSeparator(split.folder.front());
    if (split.folder == "." || isRoot) {
      break;
    }
    split = SplitLast(split.folder);
    rest = split.step + "/" + rest;
  }
  return {FileId{}, AbsoluteSpelling(path)};
}

}  // namespace kestrum::cli
