#include "cli/terminal_message_boxes.h"

#include <unistd.h>

#include <iostream>

#include "cli/tool_session.h"
#include "common/message_box.h"
#include "common/text.h"

namespace vx4820cal::cli {
namespace {

constexpr int32_t kButtonsMask = 0x0F;
constexpr int32_t kYesNoButtons = 4;

}  // namespace

bool IsYesNoStyle(int32_t style) { return (style & kButtonsMask) == kYesNoButtons; }

std::shared_ptr<TerminalMessageBoxes> TerminalMessageBoxes::ForThisProcess() {
  bool on_terminal = ::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1;
  return std::make_shared<TerminalMessageBoxes>(std::cerr, on_terminal ? &std::cin : nullptr);
}

int32_t TerminalMessageBoxes::Show(const std::string& text, const std::string& title, int32_t style) {
  bool yes_no = IsYesNoStyle(style);
  if (!yes_no && last_countable_ && title == last_title_ && text == last_text_) {
    ++repeats_;
    return kAnswerOk;
  }
  EndRun();
  std::cout.flush();  // what the tool printed so far comes before the box
  out_ << '[' << title << "]\n" << WithUnixLineBreaks(text) << '\n';
  int32_t answer = kAnswerOk;
  if (yes_no) answer = person_ ? AskPerson() : ScriptedAnswer();
  out_ << '\n' << std::flush;
  last_countable_ = !yes_no;
  last_title_ = title;
  last_text_ = text;
  return answer;
}

void TerminalMessageBoxes::EndRun() {
  if (repeats_ > 0) out_ << "(repeated " << repeats_ << " more times)\n\n" << std::flush;
  repeats_ = 0;
  last_countable_ = false;
}

int32_t TerminalMessageBoxes::AskPerson() {
  std::string line;
  for (;;) {
    out_ << "Yes or No? [y/n] " << std::flush;
    if (!std::getline(*person_, line)) {
      out_ << '\n';
      return kAnswerNo;  // the person has gone: the cautious answer
    }
    std::string word = UCase(Trim(line));
    if (word == "Y" || word == "YES") return kAnswerYes;
    if (word == "N" || word == "NO") return kAnswerNo;
  }
}

int32_t TerminalMessageBoxes::ScriptedAnswer() {
  if (answers_.empty()) return kAnswerNo;
  int32_t answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace vx4820cal::cli
