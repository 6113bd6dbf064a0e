#include "host/sim_prov_info.h"

#include <mutex>
#include <utility>

#include "host/sim_prov_info_list.h"
#include "vx4820cal/error.h"

namespace vx4820cal::simhost {
namespace {

Error NoTierData(const std::string& model) {
  return Error(err::kInvalidArgument, std::string(IprovInfo::kHostClassName),
               "The host holds no tier data for the model \"" + model + "\"");
}

}  // namespace

SimModel& ProvInfoScenario::AddChain(const std::string& model, const std::string& tier_name,
                                     const std::vector<std::string>& versions) {
  SimModel& entry = models_[model];
  entry.versions.clear();
  for (size_t i = 0; i < versions.size(); ++i) {
    std::string next = i + 1 < versions.size() ? tier_name + "." + versions[i + 1] : std::string();
    entry.versions.push_back({tier_name + "." + versions[i], std::move(next), model, false});
  }
  if (!entry.versions.empty()) {
    entry.record = entry.versions.back();
    entry.record.in_menu = true;
  }
  return entry;
}

std::shared_ptr<SimProvider> ProvInfoScenario::ProviderFor(const std::string& key) {
  std::shared_ptr<SimProvider>& provider = providers_[key];
  if (!provider) provider = std::make_shared<SimProvider>();
  return provider;
}

SimProvInfo::SimProvInfo(SimVersion version) : version_(std::move(version)) {}

SimProvInfo::SimProvInfo(std::shared_ptr<ProvInfoScenario> scenario)
    : scenario_(std::move(scenario)), made_by_class_(true) {
  ++scenario_->records_created_;
  ++scenario_->live_records_;
}

SimProvInfo::SimProvInfo(std::shared_ptr<ProvInfoScenario> scenario, SimVersion version,
                         std::shared_ptr<const VersionList> versions)
    : scenario_(std::move(scenario)), version_(std::move(version)), versions_(std::move(versions)) {}

SimProvInfo::~SimProvInfo() {
  if (made_by_class_) --scenario_->live_records_;
}

std::shared_ptr<Iprovider> SimProvInfo::Provider() {
  if (scenario_) return scenario_->ProviderFor(version_.key);
  if (!own_provider_) own_provider_ = std::make_shared<SimProvider>();
  return own_provider_;
}

std::shared_ptr<IcolProvInfo> SimProvInfo::Versions() {
  if (scenario_) ++scenario_->versions_reads_;
  if (!versions_) return nullptr;
  // Fresh records that share the list: none of them holds the collection it is in.
  auto list = std::make_shared<SimProvInfoList>();
  for (const SimVersion& version : *versions_) {
    list->Add(std::shared_ptr<SimProvInfo>(new SimProvInfo(scenario_, version, versions_)), version.key);
  }
  return list;
}

void SimProvInfo::Init(std::string strComponent, std::string strModel, std::string strEmpty, std::string& strVersion) {
  if (!scenario_) throw NoTierData(strModel);
  scenario_->log_.Record("Init", {strComponent, strModel, strEmpty, strVersion});
  auto found = scenario_->models_.find(strModel);
  if (found == scenario_->models_.end() || found->second.fail_init) throw NoTierData(strModel);
  version_ = found->second.record;
  versions_ = std::make_shared<const VersionList>(found->second.versions);
  if (!scenario_->version_text_.empty()) strVersion = scenario_->version_text_;
}

namespace {

std::mutex gScenarioMutex;
std::shared_ptr<ProvInfoScenario> gProcessScenario;
thread_local std::shared_ptr<ProvInfoScenario> tlsThreadScenario;

ObjectRef NewRecordOfThisThread() {
  std::shared_ptr<ProvInfoScenario> scenario = tlsThreadScenario;
  if (!scenario) {
    std::lock_guard<std::mutex> lock(gScenarioMutex);
    scenario = gProcessScenario;
  }
  if (!scenario) throw RuntimeError(err::kCannotCreateObject);
  return std::make_shared<SimProvInfo>(std::move(scenario));
}

}  // namespace

void RegisterSimProvInfoClass(const ComponentApi& api, std::shared_ptr<ProvInfoScenario> scenario) {
  {
    std::lock_guard<std::mutex> lock(gScenarioMutex);
    gProcessScenario = std::move(scenario);
  }
  api.RegisterHostClass(IprovInfo::kHostClassName, NewRecordOfThisThread);
}

void UnregisterSimProvInfoClass(const ComponentApi& api) {
  api.RegisterHostClass(IprovInfo::kHostClassName, nullptr);
  std::lock_guard<std::mutex> lock(gScenarioMutex);
  gProcessScenario.reset();
}

void SetThreadSimProvInfoScenario(const ComponentApi& api, std::shared_ptr<ProvInfoScenario> scenario) {
  tlsThreadScenario = std::move(scenario);
  if (tlsThreadScenario) api.RegisterHostClass(IprovInfo::kHostClassName, NewRecordOfThisThread);
}

}  // namespace vx4820cal::simhost
