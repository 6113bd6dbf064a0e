#include "support/test_support.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "vx4820cal/error.h"

namespace vx4820cal::test_support {
namespace {

#ifdef _WIN32
int ProcessId() { return ::_getpid(); }
int ExitStatus(int raw) { return raw; }
#else
int ProcessId() { return ::getpid(); }
int ExitStatus(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }
#endif

}  // namespace

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("vx4820cal-test-" + std::to_string(ProcessId()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Read-only files would stop remove_all from a non-root account.
  for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const { WriteFile(path_ / name, bytes); }
std::string TempDir::Read(const std::string& name) const { return ReadFile(path_ / name); }

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

void OnFreshThread(const std::function<void()>& body) {
  std::thread worker(body);
  worker.join();
}

Error RaisedBy(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error;
  }
  ADD_FAILURE() << "no error raised";
  return Error(0, "", "");
}

std::string SourceLine(const std::string& procedure) { return "VX4820CAL: " + procedure + "\r\n"; }

int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.Number();
  }
  return 0;
}

namespace {
std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const std::string& stdin_bytes) {
  TempDir scratch;
  WriteFile(scratch / "stdin", stdin_bytes);
  std::string command = ShellQuoted(VX4820CAL_TOOL_FILE);
  for (const auto& arg : args) command.append(" ").append(ShellQuoted(arg));
  command += " <" + ShellQuoted((scratch / "stdin").string()) + " >" + ShellQuoted((scratch / "stdout").string()) +
             " 2>" + ShellQuoted((scratch / "stderr").string());
  ToolRun run;
  int raw = std::system(command.c_str());
  run.status = ExitStatus(raw);
  run.out = scratch.Read("stdout");
  run.err = scratch.Read("stderr");
  return run;
}

#ifdef _WIN32
size_t OpenFileCount() {
  DWORD count = 0;
  ::GetProcessHandleCount(::GetCurrentProcess(), &count);
  return count;
}
#else
size_t OpenFileCount() {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}
#endif

std::filesystem::path SampleDataFolder() { return std::filesystem::path(VX4820CAL_SOURCE_DIR) / "data"; }

}  // namespace vx4820cal::test_support
