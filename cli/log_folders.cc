// SPDX-License-Identifier: MIT
#include "cli/log_folders.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <utility>

#include "cli/default_output.h"
#include "cli/file_identity.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace kestrum::cli {

namespace {

enum class EntryKind { kFile, kFolder, kOther };

struct FolderEntry {
  std::string name;
  EntryKind kind;  // kFolder only for a real folder, never a link to one
};

struct FolderListing {
  std::vector<FolderEntry> entries;
  std::string error;  // the system's reason; empty when the folder was read
};

#ifdef _WIN32
std::string LastErrorText() {
  return std::error_code(static_cast<int>(GetLastError()),
                         std::system_category())
      .message();
}

FolderListing ListFolder(const std::string& folder) {
  FolderListing listing;
  WIN32_FIND_DATAA found;
  const HANDLE search =
      FindFirstFileA(PathInFolder(folder, "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    listing.error = LastErrorText();
    return listing;
  }
  do {
    const DWORD attributes = found.dwFileAttributes;
    EntryKind kind = EntryKind::kFile;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? EntryKind::kOther
                                                         : EntryKind::kFolder;
    } else if (attributes & FILE_ATTRIBUTE_DEVICE) {
      kind = EntryKind::kOther;
    }
    listing.entries.push_back({found.cFileName, kind});
  } while (FindNextFileA(search, &found));
  if (GetLastError() != ERROR_NO_MORE_FILES) listing.error = LastErrorText();
  FindClose(search);
  return listing;
}
#else
std::string ErrnoText(int error) {
  return std::error_code(error, std::generic_category()).message();
}

EntryKind KindOf(const std::string& path) {
  struct stat status;
  if (lstat(path.c_str(), &status) != 0) return EntryKind::kOther;
  if (S_ISDIR(status.st_mode)) return EntryKind::kFolder;
  if (S_ISLNK(status.st_mode) && stat(path.c_str(), &status) != 0) {
    return EntryKind::kOther;  // a link that leads nowhere
  }
  return S_ISREG(status.st_mode) ? EntryKind::kFile : EntryKind::kOther;
}

FolderListing ListFolder(const std::string& folder) {
  FolderListing listing;
  DIR* stream = opendir(folder.c_str());
  if (stream == nullptr) {
    listing.error = ErrnoText(errno);
    return listing;
  }
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(stream);
    if (entry == nullptr) {
      if (errno != 0) listing.error = ErrnoText(errno);
      break;
    }
    const std::string name = entry->d_name;
    listing.entries.push_back({name, KindOf(PathInFolder(folder, name))});
  }
  closedir(stream);
  return listing;
}
#endif

bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '/' || c == '\\';
#else
  return c == '/';
#endif
}

bool IsLogName(std::string_view name) {
  constexpr std::string_view kLogExtension = ".bin";
  if (name.empty() || name.front() == '.' ||
      name.size() <= kLogExtension.size()) {
    return false;
  }
  const std::string_view extension =
      name.substr(name.size() - kLogExtension.size());
  return std::equal(extension.begin(), extension.end(), kLogExtension.begin(),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == b;
                    });
}

class LogSearch {
 public:
  explicit LogSearch(bool recursive) : recursive_(recursive) {}

  void Search(const std::string& folder, const std::string& subfolder) {
    // A folder reached twice (a bind mount inside itself) is searched once.
    if (const std::optional<FileId> id = IdentifyFile(folder)) {
      if (!visited_.insert(*id).second) return;
    }
    FolderListing listing = ListFolder(folder);
    if (!listing.error.empty()) {
      result_.problems.push_back(folder + ": " + listing.error);
    }
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) {
                return a.name < b.name;
              });
    for (const FolderEntry& entry : listing.entries) {
      const std::string path = PathInFolder(folder, entry.name);
      if (entry.kind == EntryKind::kFile && IsLogName(entry.name)) {
        result_.logs.push_back({path, subfolder});
      } else if (entry.kind == EntryKind::kFolder && recursive_ &&
                 entry.name != "." && entry.name != ".." &&
                 entry.name.front() != '.') {
        Search(path,
               subfolder.empty() ? entry.name : subfolder + '/' + entry.name);
      }
    }
  }

  FolderSearch Take() { return std::move(result_); }

 private:
  bool recursive_;
  std::set<FileId> visited_;
  FolderSearch result_;
};

}  // namespace

std::optional<std::string> FolderProblem(const std::string& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorText();
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return std::make_error_code(std::errc::not_a_directory).message();
  }
#else
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return ErrnoText(errno);
  if (!S_ISDIR(status.st_mode)) return ErrnoText(ENOTDIR);
#endif
  return std::nullopt;
}

FolderSearch FindLogs(const std::string& folder, bool recursive) {
  LogSearch search(recursive);
  search.Search(folder, "");
  return search.Take();
}

std::optional<std::string> MakeFolders(const std::string& path) {
  // Each step of the path in turn, from the top. A step that is there
  // already is no failure; the reason of the last step that could not be
  // made is the one to give.
  std::optional<std::string> failure;
  for (std::size_t end = 1; end <= path.size(); ++end) {
    if (end < path.size() && !IsPathSeparator(path[end])) continue;
    const std::string folder = path.substr(0, end);
#ifdef _WIN32
    if (!CreateDirectoryA(folder.c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS) {
      failure = LastErrorText();
    }
#else
    if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
      failure = ErrnoText(errno);
    }
#endif
  }
  const std::optional<std::string> problem = FolderProblem(path);
  return problem && failure ? failure : problem;
}

}  // namespace kestrum::cli
