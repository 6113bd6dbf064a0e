#pragma once
// Message-box styles and answers in the host's values, for the component and for
// hosts and tests that script the boxes.
#include <cstdint>

namespace vx4820cal {

inline constexpr int32_t kOkOnly = 0;
inline constexpr int32_t kCritical = 16;
inline constexpr int32_t kYesNoExclamation = 52;
inline constexpr int32_t kAnswerOk = 1;
inline constexpr int32_t kAnswerYes = 6;
inline constexpr int32_t kAnswerNo = 7;

}  // namespace vx4820cal
