// Questions handed on to the delegate tier's validator: the same arguments go there,
// its answer and its errors come back.
#include <gtest/gtest.h>

#include "validation/validator_session.h"

namespace vx4820cal {
namespace {

using test_support::ForwardedQuestions;
using test_support::InSession;
using test_support::Operations;
using test_support::RaisedBy;
using test_support::ValidatorSession;

TEST(ValidatorForwarding, DelegateGetsTheArgumentsAndItsAnswerComesBackUnchanged) {
  for (const auto& question : ForwardedQuestions()) {
    for (bool answer : {true, false}) {
      SCOPED_TRACE(question.operation + (answer ? " answering true" : " answering false"));
      InSession([&](ValidatorSession& s) {
        s.Initialise();
        s.delegate_validator->ScriptAnswers(question.operation, {answer});
        EXPECT_EQ(question.ask(*s.validator), answer);
        ASSERT_EQ(Operations(s.delegate_validator->Log()), std::vector<std::string>{question.operation});
        EXPECT_EQ(s.delegate_validator->Log().Calls()[0].args, question.delegate_args);
        // Forwarded questions never involve the user or the host.
        EXPECT_TRUE(s.messenger->Log().Calls().empty());
      });
    }
  }
}

TEST(ValidatorForwarding, ByReferenceArgumentsComeBackExceptEnterFocusRecordNumber) {
  InSession([](ValidatorSession& s) {
    s.Initialise();
    s.delegate_validator->ChangeRecordNumberTo(99);
    s.delegate_validator->ChangeValueTo(Variant("changed"));
    std::string uiid = "UIID_1";
    int32_t item = 1;

    int32_t deleted = 4;
    s.validator->DeleteRecord(item, deleted);
    EXPECT_EQ(deleted, 99);

    int32_t enabled = 4;
    s.validator->GetEnabledStatebyUIID(uiid, enabled);
    EXPECT_EQ(enabled, 99);

    Variant validated(1.5);
    int32_t validated_nr = 4;
    s.validator->ValidateByUIID(uiid, validated, validated_nr);
    EXPECT_EQ(validated_nr, 99);
    EXPECT_EQ(validated, Variant("changed"));

    Variant left(1.5);
    int32_t left_nr = 4;
    s.validator->ExitFocusByUIID(uiid, left, left_nr);
    EXPECT_EQ(left_nr, 99);
    EXPECT_EQ(left, Variant("changed"));

    // The delegate works on a copy of the record number of a field being entered.
    Variant entered(1.5);
    int32_t entered_nr = 4;
    s.validator->EnterFocusByUIID(uiid, entered, entered_nr);
    EXPECT_EQ(entered_nr, 4);
    EXPECT_EQ(entered, Variant("changed"));
    EXPECT_EQ(s.delegate_validator->Log().CallsTo("EnterFocusByUIID")[0].args[2], "4");
  });
}

TEST(ValidatorForwarding, UnarmedDelegateErrorReachesTheHostWithBothLines) {
  for (const auto& question : ForwardedQuestions()) {
    SCOPED_TRACE(question.operation);
    InSession([&](ValidatorSession& s) {
      s.Initialise();
      s.delegate_validator->SetFailure(question.operation, Error(5, "LR2930 Cal", "Bad record"));
      Error error = RaisedBy([&] { question.ask(*s.validator); });
      EXPECT_EQ(error.Number(), 5);
      EXPECT_EQ(error.Source(), "LR2930 Cal");
      EXPECT_EQ(error.Description(), "VX4820CAL: ItierValidator_" + question.operation +
                                         "\r\nVX4820CAL: " + question.operation + "\r\nBad record");
    });
  }
}

TEST(ValidatorForwarding, ArmedDelegateErrorIsShownOnceByTheForwardingProcedure) {
  for (const auto& question : ForwardedQuestions()) {
    SCOPED_TRACE(question.operation);
    InSession([&](ValidatorSession& s) {
      s.Initialise();
      s.ArmReporting();
      s.delegate_validator->SetFailure(question.operation, Error(5, "LR2930 Cal", "Bad record"));
      EXPECT_FALSE(question.ask(*s.validator));
      ASSERT_EQ(s.boxes->Boxes().size(), 1u);
      EXPECT_EQ(s.boxes->Boxes()[0].text, "VX4820CAL: " + question.operation + "\r\nBad record");
      EXPECT_EQ(s.terminator->calls, 1);
    });
  }
}

TEST(ValidatorForwarding, MissingDelegateOrDelegateValidatorIsObjectNotSet) {
  struct Case {
    const char* name;
    std::function<void(ValidatorSession&)> break_delegate;
  };
  const Case cases[] = {
      {"no holder", [](ValidatorSession&) { gobjLocalTierSupport.reset(); }},
      {"no delegate tier", [](ValidatorSession&) { gobjLocalTierSupport->DelegateTier(nullptr); }},
      {"delegate without validator", [](ValidatorSession& s) { s.delegate->SetValidator(nullptr); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    InSession([&](ValidatorSession& s) {
      s.Initialise();
      c.break_delegate(s);
      std::string trigger = "trg";
      Error error = RaisedBy([&] { s.validator->ExecuteByTriggerID(trigger); });
      EXPECT_EQ(error.Number(), 91);
      EXPECT_EQ(error.Description(),
                "VX4820CAL: ItierValidator_ExecuteByTriggerID\r\nVX4820CAL: ExecuteByTriggerID\r\n"
                "Object variable or With block variable not set");
    });
  }
}

}  // namespace
}  // namespace vx4820cal
