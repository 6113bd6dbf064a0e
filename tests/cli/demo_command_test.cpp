// vx4820cal demo: one whole host session through the tool, on a folder with the sample
// data; its boxes on stderr, and on a terminal the person's answers.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "support/test_support.h"

namespace vx4820cal {
namespace {

using test_support::RunTool;
using test_support::TempDir;

const std::string kOverwriteBox =
    "[CAL DATA OVERWRITE WARNING]\nYou will overwrite the calibration data in the radio with this Program Radio "
    "action. Are you sure you wish to continue? (Choose 'No' to Cancel)\n";
const std::string kRetryBox =
    "[Form change failed]\nUnable to perform test shutdown commands for this radio. Please ensure that radio is "
    "properly connected.  Do you want to attempt to retry now?\n";

// A component folder with the sample data.
struct SampleFolder {
  SampleFolder() {
    for (const char* name : {"PARAMETERS.ini", "VX4820CAL_UI_U.dat"}) {
      std::filesystem::copy_file(test_support::SampleDataFolder() / name, dir / name);
    }
  }
  std::string Path() const { return dir.Path().string(); }
  TempDir dir;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(DemoCommand, RunsTheWholeSessionAndShowsTheHostsBoxesOnStderr) {
  SampleFolder folder;
  auto run = RunTool({"demo", "--dir", folder.Path()});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  for (const char* line : {"Initialize                  True", "tier key                    VX4820CAL.0003",
                           "PowerSetPointHigh           15000", "CAL DATA OVERWRITE WARNING  Yes",
                           "PortCommand                 0 on port 2, 1 on port 2", "FormValidationByFormName    True",
                           "0 provider-info record(s) alive", "The session went as expected."}) {
    EXPECT_TRUE(Contains(run.out, line)) << line;
  }
  EXPECT_FALSE(Contains(run.out, "not as expected"));
  // Without a terminal the scripted answers are taken: Yes, then Yes.
  EXPECT_EQ(run.err, kOverwriteBox + "\n" + kRetryBox + "\n");
}

TEST(DemoCommand, AFolderWithoutDataStopsAfterInitializeWithTheComponentsReport) {
  TempDir empty;
  auto run = RunTool({"demo", "--dir", empty.Path().string()});
  EXPECT_EQ(run.status, 3);
  EXPECT_TRUE(Contains(run.out, "Initialize                  False"));
  // The transcript says what was expected, not what happened.
  EXPECT_TRUE(Contains(run.out, "! not as expected; expected: Initialize returns True")) << run.out;
  EXPECT_TRUE(Contains(run.out, "asked to end the application"));
  EXPECT_EQ(run.err, "[Programming Application]\nVX4820CAL: LoadFile\nFile not found\n\n");
}

TEST(DemoCommand, TakesNoArguments) { EXPECT_EQ(RunTool({"demo", "extra"}).status, 2); }

// The tool run with a terminal as its stdin and stderr, the person typing typed.
struct TerminalRun {
  int status = -1;
  std::string out;
  std::string terminal;
};

// None when this machine offers no pseudo-terminal.
std::optional<TerminalRun> RunToolOnTerminal(const std::vector<std::string>& args, const std::string& typed) {
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0) return std::nullopt;
  // The terminal is open before anything is typed; the child then holds it alone, so
  // reading ends when the tool exits.
  int slave = grantpt(master) == 0 && unlockpt(master) == 0 ? open(ptsname(master), O_RDWR | O_NOCTTY) : -1;
  if (slave < 0) {
    close(master);
    return std::nullopt;
  }
  TerminalRun run;
  if (write(master, typed.data(), typed.size()) != static_cast<ssize_t>(typed.size())) ADD_FAILURE() << "typing";
  TempDir scratch;
  std::string out_file = (scratch / "stdout").string();
  std::vector<char*> argv = {const_cast<char*>(VX4820CAL_TOOL_FILE)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t child = fork();
  if (child == 0) {
    int out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(slave, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(slave, STDERR_FILENO);
    close(master);
    execv(VX4820CAL_TOOL_FILE, argv.data());
    _exit(127);
  }
  close(slave);
  char buffer[4096];
  for (;;) {
    ssize_t got = read(master, buffer, sizeof buffer);
    if (got > 0) {
      run.terminal.append(buffer, static_cast<size_t>(got));
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      break;  // the tool closed the terminal
    }
  }
  int raw = 0;
  waitpid(child, &raw, 0);
  close(master);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = scratch.Read("stdout");
  return run;
}

TEST(DemoCommand, OnATerminalThePersonAnswersTheYesNoBoxes) {
  SampleFolder folder;
  // An answer that is neither is asked again; end-of-input (^D) after the two answers
  // would be a No to any further box.
  std::optional<TerminalRun> on_terminal = RunToolOnTerminal({"demo", "--dir", folder.Path()}, "perhaps\nn\nyes\n\x04");
  if (!on_terminal) GTEST_SKIP() << "no pseudo-terminal on this machine";
  const TerminalRun& run = *on_terminal;
  EXPECT_EQ(run.status, 0) << run.out << run.terminal;
  EXPECT_TRUE(Contains(run.out, "CAL DATA OVERWRITE WARNING  No"));
  EXPECT_TRUE(Contains(run.out, "RunPreProgramValidation     False"));
  EXPECT_TRUE(Contains(run.out, "Form change failed          Yes"));
  EXPECT_TRUE(Contains(run.out, "FormValidationByFormName    True"));
  EXPECT_TRUE(Contains(run.out, "The session went as expected."));
  size_t prompts = 0;
  for (size_t at = run.terminal.find("Yes or No? [y/n]"); at != std::string::npos;
       at = run.terminal.find("Yes or No? [y/n]", at + 1)) {
    ++prompts;
  }
  EXPECT_EQ(prompts, 3u) << run.terminal;
  EXPECT_TRUE(Contains(run.terminal, "[CAL DATA OVERWRITE WARNING]"));
}

}  // namespace
}  // namespace vx4820cal
