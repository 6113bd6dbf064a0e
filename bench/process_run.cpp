#include "bench/process_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>

extern char** environ;

namespace vx4820cal::bench {
namespace {

// The file actions of a child: /dev/null in, pipe or /dev/null out.
class ChildStreams {
 public:
  explicit ChildStreams(bool capture) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    if (capture && ::pipe(pipe_) == 0) {
      posix_spawn_file_actions_adddup2(&actions_, pipe_[1], 1);
      posix_spawn_file_actions_addclose(&actions_, pipe_[0]);
      posix_spawn_file_actions_addclose(&actions_, pipe_[1]);
    } else {
      posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    }
  }
  ~ChildStreams() {
    posix_spawn_file_actions_destroy(&actions_);
    for (int end : pipe_) {
      if (end >= 0) ::close(end);
    }
  }
  ChildStreams(const ChildStreams&) = delete;
  ChildStreams& operator=(const ChildStreams&) = delete;

  const posix_spawn_file_actions_t* Actions() const { return &actions_; }

  // Everything the child wrote, once the parent's copy of the write end is closed.
  std::string ReadOutput() {
    if (pipe_[0] < 0) return {};
    ::close(pipe_[1]);
    pipe_[1] = -1;
    std::string out;
    char buffer[4096];
    for (ssize_t count; (count = ::read(pipe_[0], buffer, sizeof buffer)) != 0;) {
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) break;
      out.append(buffer, static_cast<size_t>(count));
    }
    return out;
  }

 private:
  posix_spawn_file_actions_t actions_;
  int pipe_[2] = {-1, -1};
};

}  // namespace

std::map<std::string, double> ProbeValues(const std::string& output) {
  std::map<std::string, double> values;
  std::istringstream lines(output);
  std::string name;
  double value = 0;
  while (lines >> name >> value) values[name] = value;
  return values;
}

ProcessResult RunProcess(const std::vector<std::string>& args, bool capture_output) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  ChildStreams streams(capture_output);
  pid_t child = 0;
  ProcessResult result;
  if (posix_spawnp(&child, argv[0], streams.Actions(), nullptr, argv.data(), environ) != 0) return result;
  result.out = streams.ReadOutput();
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}

}  // namespace vx4820cal::bench
