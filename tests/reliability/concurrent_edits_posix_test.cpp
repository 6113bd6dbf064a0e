// A regeneration of the working copy while someone else works on the same files: a
// person saving the source while it is read, and a second writer of the same copy,
// also one in another pid namespace. No edit is lost and no live writer's temporary
// file is taken from it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>

#include "calparams/working_copy.h"
#include "common/atomic_file.h"
#include "reliability/working_copy_helpers.h"

namespace vx4820cal {
namespace {

namespace fs = std::filesystem;
using test_support::Crlf;
using test_support::ExpectTheNextLoadRegenerates;
using test_support::FilesIn;
using test_support::kFileNotFound;
using test_support::kTheTwoFiles;
using test_support::LargeSource;
using test_support::LoadError;
using test_support::ParametersFolder;
using test_support::PrepareRegeneration;

// How a person's editor saves: a new file renamed over the old one, or the old file
// written again in place.
void SaveByRename(const ParametersFolder& folder, const std::string& source) {
  fs::path side = folder.Dir() / "PARAMETERS.ini.new";
  test_support::WriteFile(side, Crlf(source));
  test_support::SetAge(side, 5);
  fs::rename(side, folder.Source());
}

void SaveInPlace(const ParametersFolder& folder, const std::string& source) { folder.WriteSource(source); }

TEST(ConcurrentEdits, ASourceSavedWhileTheCopyIsMadeEndsInACopyOfTheNewSource) {
  struct Case {
    const char* what;
    void (*save)(const ParametersFolder&, const std::string&);
  } cases[] = {{"renamed over", SaveByRename}, {"rewritten in place", SaveInPlace}};
  // Of the same length, so that only the contents tell the two apart.
  const std::string old_source = LargeSource("old"), new_source = LargeSource("new");
  for (const Case& c : cases) {
    ParametersFolder folder;
    PrepareRegeneration(folder, old_source);
    bool saved = false;
    // The first block of the copy is written while most of the source is still unread.
    calparams::SetAtomicWriteProbe([&](const fs::path&, size_t) {
      if (!std::exchange(saved, true)) c.save(folder, new_source);
    });
    EXPECT_EQ(LoadError(), "") << c.what;
    calparams::SetAtomicWriteProbe(nullptr);
    ASSERT_TRUE(saved) << c.what;
    test_support::ExpectTheCopyOf(folder, Crlf(new_source), c.what);
    EXPECT_LE(fs::last_write_time(folder.WorkingCopy()), fs::last_write_time(folder.Source()))
        << c.what << ": dated no later than the source it was made from";
    ExpectTheNextLoadRegenerates(folder, c.what);
  }
}

TEST(ConcurrentEdits, ASourceThatNeverHoldsStillFailsTheRegenerationAndKeepsTheOldCopy) {
  ParametersFolder folder;
  PrepareRegeneration(folder, test_support::kWorkedExample);
  // Each save longer than the last: a save of the same length within one tick of the
  // file system's clock would look like no save at all.
  std::string saved(test_support::kWorkedExample);
  calparams::SetAtomicWriteProbe([&](const fs::path&, size_t) { folder.WriteSource(saved += ";\n"); });
  EXPECT_EQ(LoadError(), kFileNotFound);
  calparams::SetAtomicWriteProbe(nullptr);
  EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), test_support::OldCopy());
  EXPECT_EQ(FilesIn(folder.Dir().Path()), kTheTwoFiles);
  ExpectTheNextLoadRegenerates(folder, "once the source holds still");
}

// The process id in a temporary file's name is there for people: a file nobody holds
// locked is abandoned even when a live process (this one) has that id.
TEST(ConcurrentEdits, AnUnlockedTemporaryFileIsRemovedWhateverProcessItsNameNames) {
  ParametersFolder folder;
  PrepareRegeneration(folder, test_support::kWorkedExample);
  fs::path left;
  calparams::SetAtomicWriteProbe([&](const fs::path& temporary, size_t) {
    left = temporary.string() + "-left";
    fs::copy_file(temporary, left);
    throw std::runtime_error("cut short");
  });
  EXPECT_EQ(LoadError(), kFileNotFound);
  calparams::SetAtomicWriteProbe(nullptr);
  ASSERT_TRUE(fs::exists(left)) << "a temporary file named with this live process's id, held by nobody";
  ExpectTheNextLoadRegenerates(folder, "after the abandoned file");
}

// Exit codes of the namespace writer that say the machine could not set it up.
constexpr int kNoNamespace = 90;
constexpr int kNoChosenPid = 91;

bool WriteText(const char* path, const std::string& text) {
  int descriptor = ::open(path, O_WRONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  bool written = ::write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ::close(descriptor);
  return written;
}

// Without root, a user namespace of its own lets the process make a pid namespace.
bool UnshareThePidNamespace() {
  if (::geteuid() == 0) return ::unshare(CLONE_NEWPID) == 0;
  std::string uid = std::to_string(::geteuid()), gid = std::to_string(::getegid());
  return ::unshare(CLONE_NEWUSER | CLONE_NEWPID) == 0 && WriteText("/proc/self/setgroups", "deny") &&
         WriteText("/proc/self/uid_map", "0 " + uid + " 1") && WriteText("/proc/self/gid_map", "0 " + gid + " 1");
}

int ExitCodeOf(pid_t child) {
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return 128;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs body as the process of id `pid` in a new pid namespace (the first process there
// chooses the id of the next) and answers its exit code. The processes that only wait
// for it close body_only, so that it is closed once body's process ends.
int InAnotherPidNamespace(pid_t pid, int body_only, const std::function<int()>& body) {
  if (!UnshareThePidNamespace()) return kNoNamespace;
  pid_t first = ::fork();
  if (first != 0) {
    ::close(body_only);
    return first < 0 ? kNoNamespace : ExitCodeOf(first);
  }
  if (!WriteText("/proc/sys/kernel/ns_last_pid", std::to_string(pid - 1))) ::_exit(kNoChosenPid);
  pid_t writer = ::fork();
  if (writer == 0) ::_exit(::getpid() == pid ? body() : kNoChosenPid);
  ::close(body_only);
  ::_exit(writer < 0 ? kNoChosenPid : ExitCodeOf(writer));
}

// An id no process has here, for the writer in the other namespace to have there.
pid_t FreeProcessId() {
  for (pid_t pid = 30000; pid > 1000; --pid) {
    if (::kill(pid, 0) != 0 && errno == ESRCH) return pid;
  }
  return 0;
}

TEST(ConcurrentEdits, ALiveWritersTemporaryFileInAnotherPidNamespaceSurvivesASecondWriter) {
  ParametersFolder folder;
  PrepareRegeneration(folder, LargeSource());
  const pid_t pid = FreeProcessId();
  ASSERT_NE(pid, 0);
  int ready[2], go[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(go), 0);
  pid_t outside = ::fork();
  if (outside == 0) {
    ::close(ready[0]);
    ::close(go[1]);
    ::_exit(InAnotherPidNamespace(pid, ready[1], [&] {
      // Tell the test which temporary file is being written, then wait for its word.
      calparams::SetAtomicWriteProbe([&, told = false](const fs::path& temporary, size_t) mutable {
        if (std::exchange(told, true)) return;
        std::string name = temporary.filename().string();
        if (::write(ready[1], name.data(), name.size()) != static_cast<ssize_t>(name.size())) ::_exit(3);
        ::close(ready[1]);
        char word;
        if (::read(go[0], &word, 1) < 0) ::_exit(3);
      });
      return LoadError() == "" ? 0 : 1;
    }));
  }
  ::close(ready[1]);
  ::close(go[0]);
  char name[256] = {};
  ssize_t length = ::read(ready[0], name, sizeof name - 1);
  ::close(ready[0]);
  if (length <= 0) {
    ::close(go[1]);
    int code = ExitCodeOf(outside);
    if (code == kNoNamespace || code == kNoChosenPid) {
      GTEST_SKIP() << "this machine cannot make a pid namespace with a chosen process id (unshare, ns_last_pid): "
                      "a writer in another pid namespace is not tried here";
    }
    FAIL() << "the writer in the other namespace ended with " << code << " before it wrote";
  }
  const std::string temporary(name, static_cast<size_t>(length));
  EXPECT_NE(temporary.find(std::to_string(pid)), std::string::npos) << temporary << ": the writer's id, for people";

  // A second writer of the same copy, here, where no process has the first one's id.
  EXPECT_EQ(LoadError(), "");
  EXPECT_TRUE(fs::exists(folder.Dir() / temporary)) << "the live writer's temporary file was removed";
  ::close(go[1]);
  EXPECT_EQ(ExitCodeOf(outside), 0) << "the writer in the other namespace could not finish its copy";
  ExpectTheNextLoadRegenerates(folder, "after both writers");
}

}  // namespace
}  // namespace vx4820cal
