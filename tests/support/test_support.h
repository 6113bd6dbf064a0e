#pragma once
// Shared test helpers: temporary folders, fresh threads (each with unarmed error
// reporting and its own per-thread state), and a terminator that counts.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/iterminator.h"

namespace vx4820cal::test_support {

// A folder that exists for the life of the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Writes bytes exactly as given.
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// Runs body on a new thread and waits: per-thread component state starts afresh.
void OnFreshThread(const std::function<void()>& body);

class CountingTerminator : public Iterminator {
 public:
  void TerminateApplication() override { ++calls; }
  int calls = 0;
};

// The error that action raises; a failed expectation when it raises none.
Error RaisedBy(const std::function<void()>& action);

// The line AddErrorSource puts in front of a description for a procedure.
std::string SourceLine(const std::string& procedure);

// The number of the component error that action raises, or 0 when it raises none.
int ErrorNumberOf(const std::function<void()>& action);

// Runs the built vx4820cal tool with args (shell-quoted here) and stdin_bytes as its
// standard input.
struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};
ToolRun RunTool(const std::vector<std::string>& args, const std::string& stdin_bytes = "");

// The files and other system objects this process holds open: the number of its file
// descriptors, or of its handles on Windows.
size_t OpenFileCount();

// The repository's sample data folder.
std::filesystem::path SampleDataFolder();

}  // namespace vx4820cal::test_support
