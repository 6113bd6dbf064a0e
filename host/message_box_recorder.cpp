#include "host/message_box_recorder.h"

namespace vx4820cal::simhost {

int32_t MessageBoxRecorder::Show(const std::string& text, const std::string& title, int32_t style) {
  boxes_.push_back({text, title, style});
  if (answers_.empty()) return 1;
  int32_t answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace vx4820cal::simhost
