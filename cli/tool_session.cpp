#include "cli/tool_session.h"

#include <cstdio>
#include <iostream>

#include "tier/error_convention.h"
#include "tier/text.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces/iterminator.h"

namespace vx4820cal::cli {

std::string WithUnixLineBreaks(const std::string& text) { return ReplaceAll(text, "\r\n", "\n"); }

namespace {

class StderrMessageBoxes : public MessageBoxService {
 public:
  int32_t Show(const std::string& text, const std::string& title, int32_t) override {
    std::cerr << '[' << title << "]\n" << WithUnixLineBreaks(text) << "\n\n" << std::flush;
    return 1;
  }
};

class RecordingTerminator : public Iterminator {
 public:
  void TerminateApplication() override { requested = true; }
  bool requested = false;
};

}  // namespace

struct ToolSession::State {
  std::shared_ptr<RecordingTerminator> terminator = std::make_shared<RecordingTerminator>();
};

ToolSession::ToolSession(const Invocation& invocation) : state_(std::make_shared<State>()), strict_(invocation.strict) {
  InstallMessageBoxService(std::make_shared<StderrMessageBoxes>());
  if (!invocation.dir.empty()) SetComponentFolder(invocation.dir);
  if (!strict_) InitRaiseError(state_->terminator);
}

ToolSession::~ToolSession() { InstallMessageBoxService(nullptr); }

bool ToolSession::TerminationRequested() const { return state_->terminator->requested; }

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
