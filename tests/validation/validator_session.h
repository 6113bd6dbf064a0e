#pragma once
// A tier validator wired as the tier wires it: the delegate tier set in this thread's
// holder, with a scripted validator, and a serving tier whose messenger is scripted.
// Each session runs on its own thread, since the holder and error reporting are per
// thread and reporting, once armed, stays armed.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/error_convention.h"
#include "common/project_globals.h"
#include "host/call_log.h"
#include "host/message_box_recorder.h"
#include "host/scripted_messenger.h"
#include "host/sim_delegate_tier.h"
#include "host/sim_delegate_validator.h"
#include "support/test_support.h"
#include "tier/local_tier_support.h"
#include "validation/tier_validator.h"
#include "vx4820cal/component.h"

namespace vx4820cal::test_support {

inline constexpr const char* kNotInitialisedText =
    "ItierValidator not initialised. Please set object reference to Validator before calling any ItierValidator "
    "methods";

struct ValidatorSession {
  std::shared_ptr<simhost::ScriptedMessenger> messenger = std::make_shared<simhost::ScriptedMessenger>();
  std::shared_ptr<simhost::SimDelegateValidator> delegate_validator = std::make_shared<simhost::SimDelegateValidator>();
  std::shared_ptr<simhost::SimDelegateTier> delegate = std::make_shared<simhost::SimDelegateTier>();
  // The tier the validator serves: only its messenger is asked for.
  std::shared_ptr<simhost::SimDelegateTier> serving_tier = std::make_shared<simhost::SimDelegateTier>();
  std::shared_ptr<Ivalidator> host_validator = std::make_shared<simhost::SimHostValidator>();
  std::shared_ptr<ItierValidator> validator = NewTierValidator();
  std::shared_ptr<simhost::MessageBoxRecorder> boxes;
  std::shared_ptr<CountingTerminator> terminator;

  ValidatorSession() {
    delegate->SetValidator(delegate_validator);
    serving_tier->SetMessenger(messenger);
    gobjLocalTierSupport = std::make_shared<clsLocalTierSupport>();
    gobjLocalTierSupport->DelegateTier(delegate);
  }
  ~ValidatorSession() {
    InstallMessageBoxService(nullptr);
    gobjLocalTierSupport.reset();
  }

  // As the tier does: its own reference and the host's validator.
  void Initialise() { validator->Initialize(serving_tier, host_validator); }
  // The tier without a validator reference yet.
  void InitialiseWithoutHostValidator() { validator->Initialize(serving_tier, nullptr); }
  // Error reporting as it is once the tier has initialised: boxes, then end.
  void ArmReporting() {
    boxes = std::make_shared<simhost::MessageBoxRecorder>();
    InstallMessageBoxService(boxes);
    terminator = std::make_shared<CountingTerminator>();
    InitRaiseError(terminator);
  }
  // True when nothing reached the delegate tier's validator.
  bool DelegateUntouched() const {
    return delegate->Log().Count("Validator") == 0 && delegate_validator->Log().Calls().empty();
  }
};

inline void InSession(const std::function<void(ValidatorSession&)>& body) {
  OnFreshThread([&] {
    ValidatorSession session;
    body(session);
  });
}

// The operations called on a simulated host object, in order.
inline std::vector<std::string> Operations(const simhost::CallLog& log) {
  std::vector<std::string> operations;
  for (const auto& call : log.Calls()) operations.push_back(call.operation);
  return operations;
}

// One validator question as the host asks it, and what the delegate should receive.
struct Question {
  std::string operation;
  std::function<bool(ItierValidator&)> ask;
  std::vector<std::string> delegate_args;
};

// The questions answered by the guard and then the delegate alone.
inline std::vector<Question> ForwardedQuestions() {
  return {
      {"AddRecord",
       [](ItierValidator& v) {
         int32_t item = 2, count = 5;
         return v.AddRecord(item, count);
       },
       {"2", "5"}},
      {"DeleteRecord",
       [](ItierValidator& v) {
         int32_t item = 2, nr = 7;
         return v.DeleteRecord(item, nr);
       },
       {"2", "7"}},
      {"ExecuteByTriggerID",
       [](ItierValidator& v) {
         std::string id = "trgTune";
         return v.ExecuteByTriggerID(id);
       },
       {"trgTune"}},
      {"GetEnabledStatebyUIID",
       [](ItierValidator& v) {
         std::string uiid = "UIID_101";
         int32_t nr = 3;
         return v.GetEnabledStatebyUIID(uiid, nr);
       },
       {"UIID_101", "3"}},
      {"PermissionToOpenFormByFormName",
       [](ItierValidator& v) {
         std::string form = "frmCalibrate";
         return v.PermissionToOpenFormByFormName(form);
       },
       {"frmCalibrate"}},
      {"RunFinalValidation", [](ItierValidator& v) { return v.RunFinalValidation(); }, {}},
      {"ValidateByUIID",
       [](ItierValidator& v) {
         std::string uiid = "UIID_7";
         Variant value(12.5);
         int32_t nr = 4;
         return v.ValidateByUIID(uiid, value, nr);
       },
       {"UIID_7", "12.5", "4"}},
      {"ExitFocusByUIID",
       [](ItierValidator& v) {
         std::string uiid = "UIID_8";
         Variant value("abc");
         int32_t nr = 5;
         return v.ExitFocusByUIID(uiid, value, nr);
       },
       {"UIID_8", "abc", "5"}},
      {"EnterFocusByUIID",
       [](ItierValidator& v) {
         Variant value(int32_t{3});
         int32_t nr = 6;
         return v.EnterFocusByUIID("UIID_9", value, nr);
       },
       {"UIID_9", "3", "6"}},
  };
}

// A form change of a closing form.
inline Question ClosingFormQuestion() {
  return {"FormValidationByFormName",
          [](ItierValidator& v) {
            std::string form = "frmCal";
            return v.FormValidationByFormName(form, true);
          },
          {"frmCal", "True"}};
}

// Every question the guard protects.
inline std::vector<Question> GuardedQuestions() {
  std::vector<Question> questions = ForwardedQuestions();
  questions.push_back(ClosingFormQuestion());
  return questions;
}

}  // namespace vx4820cal::test_support
