#pragma once
// The tool as a small host: in the default mode it arms the component's error
// reporting with its own terminator and writes every message box to stderr; with
// --strict the first error reaches the tool instead. On a terminal, Yes/No boxes are
// put to the person (cli/terminal_message_boxes.h).
#include <functional>
#include <memory>

#include "cli/command.h"

namespace vx4820cal::cli {

class TerminalMessageBoxes;

class ToolSession {
 public:
  explicit ToolSession(const Invocation& invocation);
  ~ToolSession();

  // Runs the command body and turns what happened into the exit status: 3 when the
  // component asked to end the application, 1 for an error under --strict.
  int Run(const std::function<int()>& body);

  bool TerminationRequested() const;
  // The boxes of this session, shown on stderr; a host the tool runs shows its own there.
  const std::shared_ptr<TerminalMessageBoxes>& MessageBoxes() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
  bool strict_;
};

// Writes a text the component made (CR LF line breaks) with LF line breaks.
std::string WithUnixLineBreaks(const std::string& text);

}  // namespace vx4820cal::cli
