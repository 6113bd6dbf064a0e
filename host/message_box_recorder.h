#pragma once
// A message-box service that records every box and answers from a script.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "vx4820cal/component.h"

namespace vx4820cal::simhost {

struct ShownBox {
  std::string text;
  std::string title;
  int32_t style;
};

class MessageBoxRecorder : public MessageBoxService {
 public:
  int32_t Show(const std::string& text, const std::string& title, int32_t style) override;

  // Answers given in order; once they run out, every box is answered with OK (1).
  void ScriptAnswers(std::vector<int32_t> answers) { answers_.assign(answers.begin(), answers.end()); }
  const std::vector<ShownBox>& Boxes() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  std::vector<ShownBox> boxes_;
  std::deque<int32_t> answers_;
};

}  // namespace vx4820cal::simhost
