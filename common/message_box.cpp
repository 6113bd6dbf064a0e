#include "common/message_box.h"

#include <cstdio>
#include <memory>

#include "vx4820cal/component.h"

namespace vx4820cal {
namespace {

thread_local std::shared_ptr<MessageBoxService> tlsMessageBoxService;

int32_t ShowOnStderr(const std::string& text, const std::string& title) {
  std::fprintf(stderr, "[%s]\n%s\n\n", title.c_str(), text.c_str());
  return kAnswerOk;
}

}  // namespace

void InstallMessageBoxService(std::shared_ptr<MessageBoxService> service) { tlsMessageBoxService = std::move(service); }

int32_t ShowSystemMessageBox(const std::string& text, const std::string& title, int32_t style) {
  // Keep the service alive for the box's lifetime even if it reinstalls another.
  std::shared_ptr<MessageBoxService> service = tlsMessageBoxService;
  if (!service) return ShowOnStderr(text, title);
  return service->Show(text, title, style);
}

void ShowMessage(const std::string& strPrompt, int32_t lngButtons, const std::string& strTitle) {
  ShowSystemMessageBox(strPrompt, strTitle, lngButtons);
}

}  // namespace vx4820cal
