#include "cli/tool_session.h"

#include <cstdio>
#include <filesystem>
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

// Why the component folder cannot serve, or empty.
std::string FolderProblem(const std::filesystem::path& folder) {
  std::error_code failure;
  std::filesystem::file_status status = std::filesystem::status(folder, failure);
  if (status.type() == std::filesystem::file_type::not_found) return "the component folder does not exist";
  if (failure) return "the component folder cannot be read: " + failure.message();
  if (!std::filesystem::is_directory(status)) return "the component folder is not a folder";
  return "";
}

}  // namespace

bool FlushStandardOutput() {
  std::cout.flush();
  return std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.good();
}

struct ToolSession::State {
  std::shared_ptr<RecordingTerminator> terminator = std::make_shared<RecordingTerminator>();
  std::shared_ptr<TerminalMessageBoxes> boxes = TerminalMessageBoxes::ForThisProcess();
};

ToolSession::ToolSession(const Invocation& invocation, Reads reads)
    : state_(std::make_shared<State>()), strict_(invocation.strict) {
  InstallMessageBoxService(state_->boxes);
  if (!invocation.dir.empty()) SetComponentFolder(invocation.dir);
  if (!strict_) InitRaiseError(state_->terminator);
  if (reads == Reads::kComponentFolder) {
    if (std::string problem = FolderProblem(invocation.dir); !problem.empty()) {
      Fail(invocation.dir.string() + ": " + problem);
    }
  }
}

ToolSession::~ToolSession() {
  state_->boxes->EndRun();
  InstallMessageBoxService(nullptr);
}

bool ToolSession::TerminationRequested() const { return state_->terminator->requested; }

const std::shared_ptr<TerminalMessageBoxes>& ToolSession::MessageBoxes() const { return state_->boxes; }

void ToolSession::Diagnose(const std::string& text) {
  std::cout.flush();  // what the tool printed so far comes first
  state_->boxes->EndRun();
  std::cerr << "vx4820cal: " << text << '\n' << std::flush;
}

void ToolSession::Fail(const std::string& text) {
  failed_ = true;
  Diagnose(text);
}

int ToolSession::Run(const std::function<int()>& body) {
  int status = kExitOk;
  try {
    status = body();
  } catch (const Error& error) {
    if (strict_) {
      std::cout.flush();
      state_->boxes->EndRun();
      std::cerr << "error " << error.Number() << '\n' << WithUnixLineBreaks(error.Description()) << '\n';
      status = kExitError;
    } else {
      // An error no component procedure trapped: report it as the component would.
      RaiseError(error.Number(), error.Source(), error.Description());
    }
  }
  return Finish(status);
}

int ToolSession::Finish(int status) {
  if (!FlushStandardOutput()) Fail(kStandardOutputFailure);
  state_->boxes->EndRun();
  if (TerminationRequested()) return kExitTerminated;
  return failed_ && status == kExitOk ? kExitError : status;
}

}  // namespace vx4820cal::cli
