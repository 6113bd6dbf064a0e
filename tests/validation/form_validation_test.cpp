// A form change: the delegate decides, and when it refuses a closing form because the
// radio's shutdown commands failed, the user may reconnect and retry.
#include <gtest/gtest.h>

#include "validation/validator_session.h"
#include "vx4820cal/interfaces/imessenger.h"
#include "vx4820cal/message_box_values.h"

namespace vx4820cal {
namespace {

using test_support::InSession;
using test_support::Operations;
using test_support::RaisedBy;
using test_support::ValidatorSession;
using Ops = std::vector<std::string>;

constexpr int32_t kYes = kAnswerYes;
constexpr int32_t kNo = kAnswerNo;
constexpr int32_t kShutdownFailed = Imessenger::kStatusRadioCommandsFailed;

const std::vector<std::string> kRetryPrompt = {
    "Unable to perform test shutdown commands for this radio. Please ensure that radio is properly connected.  "
    "Do you want to attempt to retry now?",
    "52", "Form change failed", ""};

// An initialised validator whose delegate answers the form change as scripted.
bool ChangeForm(ValidatorSession& s, std::vector<bool> delegate_answers, bool closing) {
  s.Initialise();
  s.delegate_validator->ScriptAnswers("FormValidationByFormName", std::move(delegate_answers));
  std::string form = "frmCal";
  return s.validator->FormValidationByFormName(form, closing);
}

TEST(FormValidation, AcceptedChangeAsksNothingOfTheHost) {
  InSession([](ValidatorSession& s) {
    EXPECT_TRUE(ChangeForm(s, {true}, true));
    EXPECT_TRUE(s.messenger->Log().Calls().empty());
    EXPECT_EQ(s.delegate_validator->Log().Count("FormValidationByFormName"), 1);
  });
}

TEST(FormValidation, DelegateIsAlwaysAskedAsForAClosingForm) {
  for (bool closing : {true, false}) {
    SCOPED_TRACE(closing);
    InSession([&](ValidatorSession& s) {
      EXPECT_TRUE(ChangeForm(s, {true}, closing));
      EXPECT_EQ(s.delegate_validator->Log().CallsTo("FormValidationByFormName")[0].args, (Ops{"frmCal", "True"}));
    });
  }
}

TEST(FormValidation, RetryDeclinedReportsTheFailure) {
  InSession([](ValidatorSession& s) {
    s.messenger->SetStatus(kShutdownFailed);
    s.messenger->ScriptMessageBoxAnswers({kNo});
    EXPECT_FALSE(ChangeForm(s, {false, true}, true));
    EXPECT_EQ(Operations(s.messenger->Log()), (Ops{"GetStatus", "MessageBox", "ReportFailure"}));
    EXPECT_EQ(s.messenger->Log().CallsTo("MessageBox")[0].args, kRetryPrompt);
    EXPECT_EQ(s.delegate_validator->Log().Count("FormValidationByFormName"), 1);
  });
}

TEST(FormValidation, RetryAcceptedReconnectsOnTheSettingsPortAndValidatesAgain) {
  const struct {
    const char* setting;  // nullptr: the host has no such setting
    const char* port;
  } cases[] = {{nullptr, "1"}, {"3", "3"}, {" 12 ", "12"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.port);
    InSession([&](ValidatorSession& s) {
      s.messenger->SetStatus(kShutdownFailed);
      if (c.setting) s.messenger->SetSetting("CommPortNumber", c.setting);
      s.messenger->ScriptMessageBoxAnswers({kYes});
      EXPECT_TRUE(ChangeForm(s, {false, true}, true));
      EXPECT_EQ(Operations(s.messenger->Log()),
                (Ops{"GetStatus", "MessageBox", "GetSetting", "PortCommand", "PortCommand"}));
      EXPECT_EQ(s.messenger->Log().CallsTo("MessageBox")[0].args, kRetryPrompt);
      EXPECT_EQ(s.messenger->Log().CallsTo("GetSetting")[0].args, (Ops{"CommPortNumber", "1"}));
      auto port_commands = s.messenger->Log().CallsTo("PortCommand");
      EXPECT_EQ(port_commands[0].args, (Ops{"0", c.port}));
      EXPECT_EQ(port_commands[1].args, (Ops{"1", c.port}));
      EXPECT_EQ(s.delegate_validator->Log().Count("FormValidationByFormName"), 2);
    });
  }
}

TEST(FormValidation, EachAcceptedRetryValidatesOnceMoreUntilTheUserDeclines) {
  InSession([](ValidatorSession& s) {
    s.messenger->SetStatus(kShutdownFailed);
    s.messenger->ScriptMessageBoxAnswers({kYes, kYes, kNo});
    EXPECT_FALSE(ChangeForm(s, {false, false, false, true}, true));
    EXPECT_EQ(s.delegate_validator->Log().Count("FormValidationByFormName"), 3);
    EXPECT_EQ(s.messenger->Log().Count("MessageBox"), 3);
    EXPECT_EQ(s.messenger->Log().Count("PortCommand"), 4);
    EXPECT_EQ(s.messenger->Log().Count("ReportFailure"), 1);
  });
}

// Without the retry offer the form is validated once and the call comes back false.
TEST(FormValidation, RefusalWithoutRetryOfferValidatesOnceAndReportsFailure) {
  const struct {
    int32_t status;
    bool closing;
  } cases[] = {{0, true}, {2, true}, {kShutdownFailed, false}, {0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.status) + (c.closing ? " closing" : " staying open"));
    InSession([&](ValidatorSession& s) {
      s.messenger->SetStatus(c.status);
      EXPECT_FALSE(ChangeForm(s, {false, true}, c.closing));
      EXPECT_EQ(Operations(s.messenger->Log()), (Ops{"GetStatus", "ReportFailure"}));
      EXPECT_EQ(s.delegate_validator->Log().Count("FormValidationByFormName"), 1);
    });
  }
}

TEST(FormValidation, PortSettingThatIsNoNumberEndsTheCallBeforeAnyPortCommand) {
  InSession([](ValidatorSession& s) {
    s.messenger->SetStatus(kShutdownFailed);
    s.messenger->SetSetting("CommPortNumber", "COM3");
    s.messenger->ScriptMessageBoxAnswers({kYes});
    Error error = RaisedBy([&] { ChangeForm(s, {false, true}, true); });
    EXPECT_EQ(error.Number(), 13);
    EXPECT_EQ(error.Description(), "VX4820CAL: ItierValidator_FormValidationByFormName\r\nType mismatch");
    EXPECT_EQ(s.messenger->Log().Count("PortCommand"), 0);
  });
  InSession([](ValidatorSession& s) {
    s.ArmReporting();
    s.messenger->SetStatus(kShutdownFailed);
    s.messenger->SetSetting("CommPortNumber", "COM3");
    s.messenger->ScriptMessageBoxAnswers({kYes});
    EXPECT_FALSE(ChangeForm(s, {false, true}, true));
    EXPECT_EQ(s.boxes->Boxes().size(), 1u);
    EXPECT_EQ(s.terminator->calls, 1);
    EXPECT_EQ(s.messenger->Log().Count("PortCommand"), 0);
  });
}

TEST(FormValidation, MissingMessengerMattersOnlyWhenTheDelegateRefuses) {
  InSession([](ValidatorSession& s) {
    s.serving_tier->SetMessenger(nullptr);
    EXPECT_TRUE(ChangeForm(s, {true}, true));
  });
  InSession([](ValidatorSession& s) {
    s.serving_tier->SetMessenger(nullptr);
    Error error = RaisedBy([&] { ChangeForm(s, {false}, true); });
    EXPECT_EQ(error.Number(), 91);
  });
}

}  // namespace
}  // namespace vx4820cal
