// Data files that are no regular files: a FIFO (whose open blocks until a writer
// comes), a device such as /dev/zero (which never ends), a directory, a socket. Each
// is refused before it is opened, as a file that cannot be opened: the parameters
// file with the file system's error, the UI field data file without a word.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "reliability/working_copy_helpers.h"
#include "ui/user_fields.h"

namespace vx4820cal {
namespace {

namespace fs = std::filesystem;
using test_support::FilesIn;
using test_support::InChildProcess;
using test_support::LoadError;
using test_support::ParametersFolder;

void MakeFifo(const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); }
void MakeDevice(const fs::path& path) { fs::create_symlink("/dev/zero", path); }
void MakeDirectory(const fs::path& path) { fs::create_directory(path); }
void MakeSocket(const fs::path& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.string().size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, path.c_str());
  int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  EXPECT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(socket);
}

// A reader that reads without end fails for want of memory soon, not once the
// machine's is gone. (The address sanitizer's shadow memory would not fit a limit.)
void LimitMemory() {
#if !defined(__SANITIZE_ADDRESS__)
  std::ifstream statm("/proc/self/statm");
  size_t pages = 0;
  statm >> pages;
  rlim_t bytes = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (rlim_t{1} << 30);
  rlimit limit{bytes, bytes};
  ::setrlimit(RLIMIT_AS, &limit);
#endif
}

// What body answers, worked out in a child process: a reader that blocked or read
// without end would otherwise hold the whole suite. The child is stopped if it takes
// more than a minute, and the test then fails.
std::string AnswerInChild(const std::function<std::string()>& body) {
  int answer[2];
  if (::pipe(answer) != 0) return "<no pipe>";
  std::string text;
  int outcome = InChildProcess(
      [&] {
        ::close(answer[0]);
        ::alarm(60);
        LimitMemory();
        text = body();
        return ::write(answer[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1;
      },
      [&](pid_t) {
        ::close(answer[1]);
        char buffer[512];
        for (ssize_t count; (count = ::read(answer[0], buffer, sizeof buffer)) > 0;) text.append(buffer, count);
        ::close(answer[0]);
      });
  return outcome == 0 ? text : "<the reader never returned: ended with " + std::to_string(outcome) + ">";
}

std::string ReadFieldsFrom(const fs::path& path) {
  try {
    colUserFields fields;
    bool read = fields.ReadInDataFromTextFile(path);
    return std::string(read ? "read" : "not read") + ", " + std::to_string(fields.Count()) + " fields";
  } catch (const Error& error) {
    return error.Description();
  }
}

TEST(OddFiles, OnlyRegularFilesAreReadAndNoneOtherIsWaitedFor) {
  const struct {
    const char* what;
    void (*make)(const fs::path&);
  } kinds[] = {
      {"a FIFO", MakeFifo}, {"/dev/zero", MakeDevice}, {"a directory", MakeDirectory}, {"a socket", MakeSocket}};
  const struct {
    const char* file;
    std::function<std::string()> read;
    std::string answer;
  } roles[] = {
      {"PARAMETERS.dat", [] { return LoadError(); }, "VX4820CAL: LoadFile\r\nPath/File access error"},
      // The source cannot be read: the regeneration fails, and with it the load.
      {"PARAMETERS.ini", [] { return LoadError(); }, test_support::kFileNotFound},
      {"VX4820CAL_UI_U.dat", [] { return ReadFieldsFrom(ComponentFolder() / "VX4820CAL_UI_U.dat"); },
       "not read, 0 fields"},
  };
  for (const auto& kind : kinds) {
    for (const auto& role : roles) {
      const std::string what = std::string(kind.what) + " as " + role.file;
      ParametersFolder folder;
      kind.make(folder.Dir() / role.file);
      EXPECT_EQ(AnswerInChild(role.read), role.answer) << what;
      EXPECT_EQ(FilesIn(folder.Dir().Path()), std::set<std::string>{role.file}) << what << ": nothing written";
    }
  }
}

}  // namespace
}  // namespace vx4820cal
