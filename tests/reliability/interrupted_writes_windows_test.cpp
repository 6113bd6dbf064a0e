// Interrupted regenerations as Windows cuts them: the replacement refused while
// another program holds the working copy, and a process terminated in the middle of
// a large copy.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <set>
#include <string>

#include "common/atomic_file.h"
#include "reliability/working_copy_helpers.h"

namespace vx4820cal {
namespace {

namespace fs = std::filesystem;
using namespace test_support;

const std::string kOldCopy = test_support::OldCopy();

constexpr const char* kChildFolderVariable = "VX4820CAL_TEST_CHILD_FOLDER";
constexpr const char* kChildEventVariable = "VX4820CAL_TEST_CHILD_EVENT";
constexpr const char* kChildTest = "InterruptedWrites.DISABLED_ChildRegeneratesUntilTerminated";

TEST(InterruptedWrites, AReplacementRefusedWhileAnotherProgramHoldsTheCopyKeepsIt) {
  ParametersFolder folder;
  PrepareRegeneration(folder, test_support::kWorkedExample);
  // Opened without delete sharing, as a viewer or another host may: the file cannot
  // be replaced until it is closed.
  HANDLE holder = ::CreateFileW(folder.WorkingCopy().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(LoadError(), kFileNotFound);
  ::CloseHandle(holder);
  EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), kOldCopy);
  EXPECT_EQ(FilesIn(folder.Dir().Path()), kTheTwoFiles);
  ExpectTheNextLoadRegenerates(folder, "refused");
}

// The child's part of the next test, run only in the child it starts: regenerate a
// large copy, signal once the first block is written and wait to be terminated.
TEST(InterruptedWrites, DISABLED_ChildRegeneratesUntilTerminated) {
  const char* folder = std::getenv(kChildFolderVariable);
  const char* event_name = std::getenv(kChildEventVariable);
  if (folder == nullptr || event_name == nullptr) GTEST_SKIP() << "run by the test that terminates it";
  HANDLE started = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, event_name);
  ASSERT_NE(started, nullptr);
  SetThreadComponentFolder(folder);
  SetDecimalSymbolOverride(".");
  calparams::SetAtomicWriteProbe([&](const fs::path&, size_t) {
    ::SetEvent(started);
    ::Sleep(INFINITE);
  });
  LoadError();
  ADD_FAILURE() << "the regeneration went on past its first block";
}

// Starts this test program again, running only the child's part on folder.
PROCESS_INFORMATION StartChild(const fs::path& folder, const std::string& event_name) {
  wchar_t program[MAX_PATH];
  ::GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(program) + L"\" --gtest_also_run_disabled_tests --gtest_filter=" +
                         fs::path(kChildTest).wstring();
  ::SetEnvironmentVariableW(fs::path(kChildFolderVariable).c_str(), folder.c_str());
  ::SetEnvironmentVariableA(kChildEventVariable, event_name.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  BOOL created =
      ::CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child);
  ::SetEnvironmentVariableA(kChildFolderVariable, nullptr);
  ::SetEnvironmentVariableA(kChildEventVariable, nullptr);
  if (!created) ADD_FAILURE() << "cannot start the child: system error " << ::GetLastError();
  return child;
}

TEST(InterruptedWrites, AProcessTerminatedWhileWritingALargeCopyLosesNothing) {
  ParametersFolder folder;
  const std::string source = LargeSource();
  PrepareRegeneration(folder, source);
  const std::string event_name = "vx4820cal-test-started-" + std::to_string(::GetCurrentProcessId());
  HANDLE started = ::CreateEventA(nullptr, TRUE, FALSE, event_name.c_str());
  ASSERT_NE(started, nullptr);
  PROCESS_INFORMATION child = StartChild(folder.Dir().Path(), event_name);
  ASSERT_NE(child.hProcess, nullptr);
  HANDLE either[] = {started, child.hProcess};
  DWORD first = ::WaitForMultipleObjects(2, either, FALSE, INFINITE);
  EXPECT_EQ(first, WAIT_OBJECT_0) << "the child ended before it reached the write";
  ::TerminateProcess(child.hProcess, 9);
  ::WaitForSingleObject(child.hProcess, INFINITE);
  DWORD exit_code = 0;
  ::GetExitCodeProcess(child.hProcess, &exit_code);
  ::CloseHandle(child.hThread);
  ::CloseHandle(child.hProcess);
  ::CloseHandle(started);
  ASSERT_EQ(exit_code, 9u);

  EXPECT_EQ(folder.Dir().Read("PARAMETERS.dat"), kOldCopy);
  // Nobody could remove the terminated process's temporary file: the next load does.
  std::set<std::string> files = FilesIn(folder.Dir().Path());
  ASSERT_EQ(files.size(), 3u);
  const std::string temporary = *files.begin();
  EXPECT_EQ(temporary.rfind(".tmp-", 0), 0u);
  const size_t new_size = calparams::WorkingCopyBytes(test_support::Crlf(source)).size();
  const size_t written = fs::file_size(folder.Dir() / temporary);
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, new_size) << "terminated in the middle of the writing";
  ExpectTheNextLoadRegenerates(folder, "terminated");
  EXPECT_EQ(Entries(folder.Load()->GetTable("B", "M", 0, "Large", "Option")).size(), 200000u);
}

}  // namespace
}  // namespace vx4820cal
