#pragma once
// The tool's message boxes. Every box is written to the error stream as "[TITLE]",
// its text (LF line breaks) and an empty line. A Yes/No box is put to the person when
// the tool runs on a terminal; without one (scripts, tests, no stdin) it takes the
// next scripted answer, or No: nothing unattended agrees to a question. A box the
// same as the one written just before it is counted, not written; the run ends with
// one line "(repeated N more times)" and an empty line. Yes/No boxes are always asked.
#include <cstdint>
#include <deque>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "vx4820cal/component.h"

namespace vx4820cal::cli {

class TerminalMessageBoxes : public MessageBoxService {
 public:
  // Boxes go to out; answers are read from person, or scripted when it is none.
  TerminalMessageBoxes(std::ostream& out, std::istream* person) : out_(out), person_(person) {}
  // stderr; stdin is the person when both stdin and stderr are terminals.
  static std::shared_ptr<TerminalMessageBoxes> ForThisProcess();

  int32_t Show(const std::string& text, const std::string& title, int32_t style) override;

  // Answers (6 Yes, 7 No) to the Yes/No boxes shown while no person is asked.
  void ScriptAnswers(std::vector<int32_t> answers) { answers_.assign(answers.begin(), answers.end()); }
  bool AsksPerson() const { return person_ != nullptr; }

  // Ends a run of repeated boxes: writes how many were left out, if any.
  void EndRun();

 private:
  int32_t AskPerson();
  int32_t ScriptedAnswer();

  std::ostream& out_;
  std::istream* person_;
  std::deque<int32_t> answers_;
  std::string last_title_;
  std::string last_text_;
  bool last_countable_ = false;  // the last thing written was a box a repeat may follow
  size_t repeats_ = 0;
};

// True for a style with Yes and No buttons (52 among them).
bool IsYesNoStyle(int32_t style);

}  // namespace vx4820cal::cli
