#include "cli/tool_session.h"

#include <cstdio>
#include <iostream>

#include "cli/terminal_message_boxes.h"
#include "common/error_convention.h"
#include "common/text.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces/iterminator.h"

namespace vx4820cal::cli {

std::string WithUnixLineBreaks(const std::string& text) { return ReplaceAll(text, "\r\n", "\n"); }

namespace {

class RecordingTerminator : public Iterminator {
 public:
  void TerminateApplication() override { requested = true; }
  bool requested = false;
};

}  // namespace

struct ToolSession::State {
  std::shared_ptr<RecordingTerminator> terminator = std::make_shared<RecordingTerminator>();
  std::shared_ptr<TerminalMessageBoxes> boxes = TerminalMessageBoxes::ForThisProcess();
};

ToolSession::ToolSession(const Invocation& invocation) : state_(std::make_shared<State>()), strict_(invocation.strict) {
  InstallMessageBoxService(state_->boxes);
  if (!invocation.dir.empty()) SetComponentFolder(invocation.dir);
  if (!strict_) InitRaiseError(state_->terminator);
}

ToolSession::~ToolSession() { InstallMessageBoxService(nullptr); }

bool ToolSession::TerminationRequested() const { return state_->terminator->requested; }

const std::shared_ptr<TerminalMessageBoxes>& ToolSession::MessageBoxes() const { return state_->boxes; }

int ToolSession::Run(const std::function<int()>& body) {
  int status = kExitOk;
  try {
    status = body();
  } catch (const Error& error) {
    if (strict_) {
      std::cout.flush();
      std::cerr << "error " << error.Number() << '\n' << WithUnixLineBreaks(error.Description()) << '\n';
      return kExitError;
    }
    // An error no component procedure trapped: report it as the component would.
    RaiseError(error.Number(), error.Source(), error.Description());
  }
  std::cout.flush();
  if (TerminationRequested()) return kExitTerminated;
  return status;
}

}  // namespace vx4820cal::cli
