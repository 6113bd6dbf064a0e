#pragma once
// The tool as a small host: in the default mode it arms the component's error
// reporting with its own terminator and writes every message box to stderr; with
// --strict the first error reaches the tool instead. On a terminal, Yes/No boxes are
// put to the person (cli/terminal_message_boxes.h). The tool's own diagnostics are
// lines "vx4820cal: ..." on stderr, between boxes, never inside one.
#include <functional>
#include <memory>
#include <string>

#include "cli/command.h"

namespace vx4820cal::cli {

class TerminalMessageBoxes;

class ToolSession {
 public:
  // What the command reads: the component folder (checked first: a missing folder is
  // a diagnostic), or only the files it is given.
  enum class Reads { kComponentFolder, kGivenFiles };

  explicit ToolSession(const Invocation& invocation, Reads reads = Reads::kComponentFolder);
  ~ToolSession();

  // Runs the command body and turns what happened into the exit status: 3 when the
  // component asked to end the application, else 1 for an error under --strict, a
  // failure diagnosed or stdout that could not be written, else the body's status.
  int Run(const std::function<int()>& body);

  // Writes "vx4820cal: text" to stderr.
  void Diagnose(const std::string& text);
  // A diagnostic that means the command could not do its work (exit 1).
  void Fail(const std::string& text);

  bool TerminationRequested() const;
  // The boxes of this session, shown on stderr; a host the tool runs shows its own there.
  const std::shared_ptr<TerminalMessageBoxes>& MessageBoxes() const;

 private:
  int Finish(int status);

  struct State;
  std::shared_ptr<State> state_;
  bool strict_;
  bool failed_ = false;
};

// Flushes stdout; false when what the tool printed could not all be written (a full
// disk, a closed pipe): the command then failed.
bool FlushStandardOutput();
inline constexpr const char* kStandardOutputFailure = "standard output: what was printed could not all be written";

// Writes a text the component made (CR LF line breaks) with LF line breaks.
std::string WithUnixLineBreaks(const std::string& text);

}  // namespace vx4820cal::cli
