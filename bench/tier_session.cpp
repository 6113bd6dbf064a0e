#include "bench/tier_session.h"

#include <memory>
#include <thread>
#include <vector>

#include "bench/bench_support.h"
#include "host/message_box_recorder.h"
#include "host/scripted_messenger.h"
#include "host/sim_delegate_provider_owner.h"
#include "host/sim_delegate_tier.h"
#include "host/sim_delegate_validator.h"
#include "host/sim_prov_info.h"
#include "host/sim_schema_module.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::bench {
namespace {

const std::vector<std::string> kModels = {"VX4820 Standard Rx", "VX4820 Trigger Base Rx", "VX4820 Transmitter",
                                          "VX4820 High Power Tx"};

// The host's clsProvInfo class, registered once for the process: every model's tier
// in three versions, the latest reported as the database version.
void RegisterProvInfoClassOnce() {
  static const bool registered = [] {
    auto scenario = std::make_shared<simhost::ProvInfoScenario>();
    for (const std::string& model : kModels) scenario->AddChain(model, model, {"0001", "0002", "0003"});
    scenario->SetVersionText("0003");
    simhost::RegisterSimProvInfoClass(*vx4820cal_GetComponentApi(), scenario);
    return true;
  }();
  (void)registered;
}

class SimulatedHost {
 public:
  SimulatedHost() {
    InstallMessageBoxService(boxes_);
    delegate_->SetProviderOwner(std::make_shared<simhost::SimDelegateProviderOwner>());
    delegate_->SetValidator(delegate_validator_);
    delegate_->SetMessenger(messenger_);
    messenger_->AddTier("LR2930 Cal", delegate_);
  }
  ~SimulatedHost() {
    messenger_->ClearTiers();
    delegate_->ReleaseAll();
    delegate_validator_->ReleaseAll();
    InstallMessageBoxService(nullptr);
  }
  SimulatedHost(const SimulatedHost&) = delete;
  SimulatedHost& operator=(const SimulatedHost&) = delete;

  StartUp Start() {
    auto tier = std::dynamic_pointer_cast<Itier>(CreateObject("clsVX4820CALTier"));
    ObjectRef schema_module = std::make_shared<simhost::SimSchemaModule>();
    StartUp result;
    auto start = std::chrono::steady_clock::now();
    double cpu_start = ThreadCpuSeconds();
    result.initialized = tier->Initialize("VX4820CAL", host_validator_, messenger_, schema_module);
    result.initialize_cpu_seconds = ThreadCpuSeconds() - cpu_start;
    result.initialize_time = std::chrono::steady_clock::now() - start;
    result.boxes = boxes_->Boxes().size();
    if (result.boxes > 0) result.first_box = boxes_->Boxes().front().text;
    tier->Terminate();
    return result;
  }

 private:
  std::shared_ptr<simhost::MessageBoxRecorder> boxes_ = std::make_shared<simhost::MessageBoxRecorder>();
  std::shared_ptr<simhost::ScriptedMessenger> messenger_ = std::make_shared<simhost::ScriptedMessenger>();
  std::shared_ptr<simhost::SimDelegateTier> delegate_ = std::make_shared<simhost::SimDelegateTier>();
  std::shared_ptr<simhost::SimDelegateValidator> delegate_validator_ =
      std::make_shared<simhost::SimDelegateValidator>();
  std::shared_ptr<Ivalidator> host_validator_ = std::make_shared<simhost::SimHostValidator>();
};

}  // namespace

StartUp StartTierOnFreshThread(const std::filesystem::path& folder) {
  RegisterProvInfoClassOnce();
  StartUp result;
  std::thread thread([&] {
    SetThreadComponentFolder(folder);
    SimulatedHost host;
    result = host.Start();
  });
  thread.join();
  return result;
}

}  // namespace vx4820cal::bench
