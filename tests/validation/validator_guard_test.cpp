// The validator refuses every question until it holds the host's validator, and the
// refusal never reaches the delegate.
#include <gtest/gtest.h>

#include "validation/tier_validator.h"
#include "validation/validator_session.h"

namespace vx4820cal {
namespace {

using test_support::GuardedQuestions;
using test_support::InSession;
using test_support::kNotInitialisedText;
using test_support::RaisedBy;
using test_support::ValidatorSession;

std::string GuardReport(const std::string& operation) {
  return "VX4820CAL: ItierValidator_" + operation + "\r\n" + kNotInitialisedText;
}

TEST(CheckValidatorInitialised, RaisesItsOwnErrorOnlyWithoutAValidator) {
  Error error = RaisedBy([] { CheckValidatorInitialised(nullptr); });
  EXPECT_EQ(error.Number(), 9001);
  EXPECT_EQ(error.Source(), "ItierValidator");
  EXPECT_EQ(error.Description(), kNotInitialisedText);
  EXPECT_NO_THROW(CheckValidatorInitialised(std::make_shared<simhost::SimHostValidator>()));
}

TEST(ValidatorGuard, UnarmedRaises9001WithTheOperationsLineAndLeavesTheDelegateAlone) {
  for (const auto& question : GuardedQuestions()) {
    SCOPED_TRACE(question.operation);
    InSession([&](ValidatorSession& s) {
      s.InitialiseWithoutHostValidator();
      Error error = RaisedBy([&] { question.ask(*s.validator); });
      EXPECT_EQ(error.Number(), 9001);
      EXPECT_EQ(error.Source(), "ItierValidator");
      EXPECT_EQ(error.Description(), GuardReport(question.operation));
      EXPECT_TRUE(s.DelegateUntouched());
      EXPECT_TRUE(s.messenger->Log().Calls().empty());
    });
  }
}

TEST(ValidatorGuard, ArmedShowsOneBoxAsksToEndAndAnswersFalse) {
  for (const auto& question : GuardedQuestions()) {
    SCOPED_TRACE(question.operation);
    InSession([&](ValidatorSession& s) {
      s.InitialiseWithoutHostValidator();
      s.ArmReporting();
      EXPECT_FALSE(question.ask(*s.validator));
      ASSERT_EQ(s.boxes->Boxes().size(), 1u);
      EXPECT_EQ(s.boxes->Boxes()[0].text, GuardReport(question.operation));
      EXPECT_EQ(s.boxes->Boxes()[0].title, "Programming Application");
      EXPECT_EQ(s.boxes->Boxes()[0].style, 16);
      EXPECT_EQ(s.terminator->calls, 1);
      EXPECT_TRUE(s.DelegateUntouched());
      EXPECT_TRUE(s.messenger->Log().Calls().empty());
    });
  }
}

TEST(ValidatorGuard, ValidatorPropertyOpensAndClosesTheGuard) {
  InSession([](ValidatorSession& s) {
    EXPECT_EQ(s.validator->Validator(), nullptr);
    int32_t item = 1, count = 1;
    // The property alone is enough for a forwarded question: it needs no tier.
    s.validator->Validator(s.host_validator);
    EXPECT_EQ(s.validator->Validator(), s.host_validator);
    EXPECT_TRUE(s.validator->AddRecord(item, count));
    EXPECT_EQ(s.delegate_validator->Log().Count("AddRecord"), 1);

    s.validator->Validator(nullptr);
    EXPECT_EQ(RaisedBy([&] { s.validator->AddRecord(item, count); }).Number(), 9001);
    EXPECT_EQ(s.delegate_validator->Log().Count("AddRecord"), 1);

    s.Initialise();
    EXPECT_EQ(s.validator->Validator(), s.host_validator);
  });
}

TEST(ValidatorGuard, WithoutATierTheFormChangeFailsOnTheMessengerBeforeTheGuard) {
  InSession([](ValidatorSession& s) {
    std::string form = "frmCal";
    Error error = RaisedBy([&] { s.validator->FormValidationByFormName(form, true); });
    EXPECT_EQ(error.Number(), 91);
    EXPECT_EQ(error.Description(),
              "VX4820CAL: ItierValidator_FormValidationByFormName\r\nObject variable or With block variable not set");
    EXPECT_TRUE(s.DelegateUntouched());
  });
}

}  // namespace
}  // namespace vx4820cal
