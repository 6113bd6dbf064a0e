// The overwrite confirmation before programming: asked through the host's messenger,
// decided here, never handed to the delegate.
#include <gtest/gtest.h>

#include "validation/validator_session.h"

namespace vx4820cal {
namespace {

using test_support::InSession;
using test_support::RaisedBy;
using test_support::ValidatorSession;

TEST(RunPreProgramValidation, OnlyYesConfirmsTheOverwrite) {
  const struct {
    int32_t answer;
    bool confirmed;
  } cases[] = {{6, true}, {7, false}, {1, false}, {2, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    InSession([&](ValidatorSession& s) {
      // No host validator: the confirmation needs only the tier.
      s.InitialiseWithoutHostValidator();
      s.messenger->ScriptMessageBoxAnswers({c.answer});
      EXPECT_EQ(s.validator->RunPreProgramValidation(), c.confirmed);
      ASSERT_EQ(s.messenger->Log().Calls().size(), 1u);
      const auto& box = s.messenger->Log().Calls()[0];
      EXPECT_EQ(box.operation, "MessageBox");
      EXPECT_EQ(box.args, (std::vector<std::string>{
                              "You will overwrite the calibration data in the radio with this Program Radio action. "
                              "Are you sure you wish to continue? (Choose 'No' to Cancel)",
                              "52", "CAL DATA OVERWRITE WARNING", ""}));
      EXPECT_TRUE(s.DelegateUntouched());
    });
  }
}

TEST(RunPreProgramValidation, WithoutATierItFailsThroughItsOwnTrap) {
  InSession([](ValidatorSession& s) {
    Error error = RaisedBy([&] { s.validator->RunPreProgramValidation(); });
    EXPECT_EQ(error.Number(), 91);
    EXPECT_EQ(error.Description().rfind("VX4820CAL: ItierValidator_RunPreProgramValidation\r\n", 0), 0u);

    s.ArmReporting();
    EXPECT_FALSE(s.validator->RunPreProgramValidation());
    EXPECT_EQ(s.boxes->Boxes().size(), 1u);
    EXPECT_EQ(s.terminator->calls, 1);
  });
}

}  // namespace
}  // namespace vx4820cal
