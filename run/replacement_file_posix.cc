// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <utility>

#include "run/replacement_file.h"
#include "run/signal_cleanup.h"

namespace kestrum {

struct ReplacementFile::State {
  SystemFile file;
  int folder = -1;        // the target's folder, open
  std::string name;       // the target's name in `folder`
  std::string temporary;  // the new file's name in `folder`, if it has one
  int cleanupSlot = -1;   // where the signals find `temporary`
  bool unnamed = false;   // made with O_TMPFILE
  bool direct = false;    // `file` is the target itself
  bool replaceExisting = true;
  bool committed = false;
  bool replaced = false;

  State() = default;
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  ~State() {
    if (!committed && !temporary.empty()) {
      unlinkat(folder, temporary.c_str(), 0);
      ForgetTemporaryName(cleanupSlot);
    }
    if (folder >= 0) close(folder);
  }
};

namespace {

// Linux gives up after as many links in one path.
constexpr int kMostLinks = 40;

ReplacementFile::Created Failure(int error) {
  return {nullptr, SystemReason(static_cast<unsigned long>(error))};
}

// A short name that no other file in the folder is likely to have: a
// 255-byte target name leaves no room for a suffix.
std::string TemporaryName() {
  thread_local std::mt19937 generator{std::random_device{}()};
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = ".kestrum-";
  for (int i = 0; i < 8; ++i) {
    name += kLetters[generator() % (sizeof kLetters - 1)];
  }
  return name + ".tmp";
}

// The folder part of `path` ("." when there is none) and the name after the
// last '/'.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// Follows the symbolic links of the last component of `path` to the file
// that will be replaced (or made, for a link that leads nowhere yet); 0 or
// the error number.
int ResolveLinks(std::string& path) {
  for (int hops = 0;; ++hops) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(info.st_mode)) return 0;
    if (hops == kMostLinks) return ELOOP;
    std::string link(256, '\0');
    for (;;) {
      const ssize_t length = readlink(path.c_str(), link.data(), link.size());
      if (length < 0) return errno;
      if (static_cast<std::size_t>(length) < link.size()) {
        link.resize(static_cast<std::size_t>(length));
        break;
      }
      link.resize(link.size() * 2);
    }
    path = link.starts_with('/') ? link : SplitPath(path).first + "/" + link;
  }
}

// O_TMPFILE files are linked in through /proc, unless the process may link
// a descriptor directly.
bool CanLinkUnnamed() { return access("/proc/self/fd", X_OK) == 0; }

// Gives the unnamed file of `state` the name `name`; false with errno set.
bool LinkUnnamed(const ReplacementFile::State& state, const std::string& name) {
  const int descriptor = state.file.native();
  if (linkat(descriptor, "", state.folder, name.c_str(), AT_EMPTY_PATH) == 0) {
    return true;
  }
  // Without the right to link a descriptor, the system says ENOENT: go
  // through /proc then.
  if (errno != ENOENT && errno != EPERM) return false;
  const std::string path = "/proc/self/fd/" + std::to_string(descriptor);
  return linkat(AT_FDCWD, path.c_str(), state.folder, name.c_str(),
                AT_SYMLINK_FOLLOW) == 0;
}

// Makes the new file in the target's folder, with no more permission than
// the target will have; 0 or the error number.
int CreateNewFile(ReplacementFile::State& state, mode_t mode,
                  ReplacementFile::Naming naming) {
  if (naming == ReplacementFile::Naming::kUnnamedWherePossible &&
      CanLinkUnnamed()) {
    const int descriptor =
        openat(state.folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (descriptor >= 0) {
      state.file = SystemFile(descriptor);
      state.unnamed = true;
      return 0;
    }
    // Old kernels and some file systems know no unnamed files.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      return errno;
    }
  }
  // From the file's creation until the signals know its name, they wait.
  HeldSignals held;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = TemporaryName();
    const int descriptor =
        openat(state.folder, name.c_str(),
               O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, mode);
    if (descriptor >= 0) {
      state.file = SystemFile(descriptor);
      state.cleanupSlot = RememberTemporaryName(state.folder, name.c_str());
      state.temporary = std::move(name);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

// Gives the new file the owner, group and mode of the file it replaces, as
// far as the process may: root keeps a user's file the user's; a user who
// may not give a file away still keeps its group if a member of it.
void TakeOverOwnership(const SystemFile& file, const struct stat& old) {
  struct stat mine;
  if (fstat(file.native(), &mine) == 0 &&
      (mine.st_uid != old.st_uid || mine.st_gid != old.st_gid) &&
      fchown(file.native(), old.st_uid, old.st_gid) != 0) {
    static_cast<void>(
        fchown(file.native(), static_cast<uid_t>(-1), old.st_gid));
  }
  // After the owner: changing it clears the set-user-ID bit.
  static_cast<void>(fchmod(file.native(), old.st_mode & 07777));
}

// Puts a file made with O_TMPFILE in the target's place; 0 or the error
// number.
int CommitUnnamed(ReplacementFile::State& state) {
  if (LinkUnnamed(state, state.name)) return 0;  // no file of that name
  if (errno != EEXIST) return errno;
  if (!state.replaceExisting) return EEXIST;
  // There is no replacing link: link under a short name, then rename that
  // over the target. Only this step can leave a file behind, and only when
  // SIGKILL or a power cut comes between the two calls.
  std::string temporary;
  for (int attempt = 0; temporary.empty() && attempt < 100; ++attempt) {
    const std::string name = TemporaryName();
    if (LinkUnnamed(state, name)) {
      temporary = name;
    } else if (errno != EEXIST) {
      return errno;
    }
  }
  if (temporary.empty()) return EEXIST;
  if (renameat(state.folder, temporary.c_str(), state.folder,
               state.name.c_str()) != 0) {
    const int error = errno;
    unlinkat(state.folder, temporary.c_str(), 0);
    return error;
  }
  state.replaced = true;
  return 0;
}

// Renames `from` to `to` in `folder` unless `to` exists; false with errno
// set (EEXIST when it does).
bool RenameWithoutReplacing(int folder, const char* from, const char* to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
#endif
  // A file system (or C library) without RENAME_NOREPLACE: a hard link
  // refuses an existing name as well.
  if (linkat(folder, from, folder, to, 0) != 0) return false;
  unlinkat(folder, from, 0);
  return true;
}

// Puts a named new file in the target's place; 0 or the error number.
int CommitNamed(ReplacementFile::State& state) {
  const char* from = state.temporary.c_str();
  const char* to = state.name.c_str();
  if (state.replaceExisting) {
    struct stat old;
    const bool existed =
        fstatat(state.folder, to, &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (renameat(state.folder, from, state.folder, to) != 0) return errno;
    state.replaced = existed;
  } else if (!RenameWithoutReplacing(state.folder, from, to)) {
    return errno;
  }
  ForgetTemporaryName(state.cleanupSlot);
  state.temporary.clear();
  return 0;
}

}  // namespace

ReplacementFile::ReplacementFile(std::unique_ptr<State> state)
    : state_(std::move(state)) {}

ReplacementFile::~ReplacementFile() = default;

ReplacementFile::Created ReplacementFile::Create(const std::string& path,
                                                 bool replaceExisting,
                                                 Naming naming) {
  auto state = std::make_unique<State>();
  state->replaceExisting = replaceExisting;

  struct stat info;
  if (stat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return Failure(EISDIR);
    if (!S_ISREG(info.st_mode)) {
      // A device or FIFO cannot be renamed over; it takes the text itself.
      const int descriptor =
          open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
      if (descriptor < 0) return Failure(errno);
      state->file = SystemFile(descriptor);
      state->direct = true;
      return {std::unique_ptr<ReplacementFile>(
                  new ReplacementFile(std::move(state))),
              {}};
    }
  } else if (errno != ENOENT) {
    return Failure(errno);  // a loop of links, a file used as a folder...
  }

  std::string target = path;
  if (const int error = ResolveLinks(target)) return Failure(error);
  auto [folderPath, name] = SplitPath(target);
  if (name.empty() || name == "." || name == "..") return Failure(EISDIR);
  state->folder = open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (state->folder < 0 && errno == EACCES) {
    // A folder one may write but not list still takes new files.
    state->folder = open(folderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  }
  if (state->folder < 0) return Failure(errno);
  state->name = std::move(name);

  struct stat old;
  const bool exists = fstatat(state->folder, state->name.c_str(), &old,
                              AT_SYMLINK_NOFOLLOW) == 0;
  if (!exists && errno != ENOENT) return Failure(errno);
  if (exists) {
    if (S_ISDIR(old.st_mode)) return Failure(EISDIR);
    // The rename needs only the folder; the user must be able to write the
    // file itself as well.
    if (faccessat(state->folder, state->name.c_str(), W_OK, AT_EACCESS) != 0) {
      return Failure(errno);
    }
  }
  const mode_t mode = exists ? (old.st_mode & 0666) : 0666;
  if (const int error = CreateNewFile(*state, mode, naming)) {
    return Failure(error);
  }
  if (exists) TakeOverOwnership(state->file, old);
  return {
      std::unique_ptr<ReplacementFile>(new ReplacementFile(std::move(state))),
      {}};
}

SystemFile& ReplacementFile::File() { return state_->file; }

bool ReplacementFile::Commit(std::string& error) {
  State& state = *state_;
  if (state.committed) return true;
  if (state.direct) return state.committed = true;
  if (!state.file.Sync(error)) return false;
  {
    // A signal waits until the new file is in place and no name is left.
    HeldSignals held;
    const int failure =
        state.unnamed ? CommitUnnamed(state) : CommitNamed(state);
    if (failure != 0) {
      error = SystemReason(static_cast<unsigned long>(failure));
      return false;
    }
  }
  state.committed = true;
  // The rename itself must reach the disk too. A file system that cannot
  // flush a folder says so; the file is in place either way.
  fsync(state.folder);
  std::string ignored;
  state.file.Close(ignored);
  return true;
}

bool ReplacementFile::ReplacedExisting() const {
  return state_->committed && state_->replaced;
}

}  // namespace kestrum
