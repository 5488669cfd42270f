// SPDX-License-Identifier: MIT
#include "tests/cli/process_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kestrum::testing {
namespace {

// A file that takes one output stream of the child; removed on destruction.
class CaptureFile {
 public:
  CaptureFile() {
    const std::string pattern =
        (std::filesystem::temp_directory_path() / "kestrum_capture_XXXXXX")
            .string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    descriptor_ = mkstemp(name.data());
    if (descriptor_ < 0) throw std::runtime_error("mkstemp failed");
    path_ = name.data();
  }
  ~CaptureFile() {
    close(descriptor_);
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  CaptureFile(const CaptureFile&) = delete;
  CaptureFile& operator=(const CaptureFile&) = delete;

  int Descriptor() const { return descriptor_; }
  std::string Text() const {
    std::ifstream file(path_, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

 private:
  int descriptor_ = -1;
  std::filesystem::path path_;
};

// Writes all of `bytes` to `descriptor`; stops early when the reader has
// gone (SIGPIPE is ignored in the test process for that).
void WriteAll(int descriptor, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count =
        write(descriptor, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return;
    written += static_cast<std::size_t>(count);
  }
}

}  // namespace

ProcessResult RunProcess(const std::string& program,
                         const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingDirectory,
                         const ProcessStreams& streams) {
  CaptureFile out;
  CaptureFile err;
  int inputPipe[2] = {-1, -1};
  int outputPipe[2] = {-1, -1};
  if ((streams.input && pipe(inputPipe) != 0) ||
      (streams.outputReaderGone && pipe(outputPipe) != 0)) {
    throw std::runtime_error("pipe failed");
  }
  if (streams.outputReaderGone) close(outputPipe[0]);  // no one will read
  std::signal(SIGPIPE, SIG_IGN);
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> argvPointers;
  for (std::string& argument : argv) argvPointers.push_back(argument.data());
  argvPointers.push_back(nullptr);

  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    // Only async-signal-safe calls from here on.
    std::signal(SIGPIPE, SIG_DFL);
    const int input =
        streams.input ? inputPipe[0] : open("/dev/null", O_RDONLY);
    const int output =
        streams.outputReaderGone ? outputPipe[1] : out.Descriptor();
    if (input < 0 || dup2(input, STDIN_FILENO) < 0 ||
        dup2(output, STDOUT_FILENO) < 0 ||
        dup2(err.Descriptor(), STDERR_FILENO) < 0 ||
        chdir(workingDirectory.c_str()) != 0) {
      _exit(126);
    }
    if (streams.input) close(inputPipe[1]);
    execv(program.c_str(), argvPointers.data());
    _exit(127);
  }

  if (streams.outputReaderGone) close(outputPipe[1]);
  if (streams.input) {
    close(inputPipe[0]);
    WriteAll(inputPipe[1], *streams.input);
    close(inputPipe[1]);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  ProcessResult result;
  result.exitStatus =
      WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = out.Text();
  result.err = err.Text();
  return result;
}

}  // namespace kestrum::testing
