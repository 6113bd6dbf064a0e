#pragma once
// The host's provider-info records (its class "clsProvInfo") as a test describes
// them: per model, the record Init fills and the versions it links, a provider per
// record, and counters of what the component did with them.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/call_log.h"
#include "host/sim_provider.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces/iprovinfo.h"

namespace vx4820cal::simhost {

// One tier version: what a record standing for it answers.
struct SimVersion {
  std::string key;
  std::string next_key;  // empty on the latest version of a chain
  std::string menu_name;
  bool in_menu = false;
};

// What Init finds for one model.
struct SimModel {
  SimVersion record;                 // what the model record itself answers
  std::vector<SimVersion> versions;  // every record's Versions, in this order
  bool fail_init = false;            // Init raises an error
};

class ProvInfoScenario {
 public:
  // Versions oldest first, keyed tier_name + "." + version, each one's NextKey the
  // following key. The model record stands for the latest, in the menu under the
  // model's name.
  SimModel& AddChain(const std::string& model, const std::string& tier_name, const std::vector<std::string>& versions);
  // The model's entry, made empty when missing. Init fails for a model never described.
  SimModel& Model(const std::string& model) { return models_[model]; }
  void FailInitFor(const std::string& model) { Model(model).fail_init = true; }
  // What Init writes into its version argument; empty leaves the argument alone.
  void SetVersionText(std::string text) { version_text_ = std::move(text); }

  // The provider of every record with this key (binary comparison), made on first use.
  std::shared_ptr<SimProvider> ProviderFor(const std::string& key);

  // Records the component created through the class, and how many of them are alive.
  int RecordsCreated() const { return records_created_; }
  int LiveRecords() const { return live_records_; }
  // Reads of Versions on any record of this scenario.
  int VersionsReads() const { return versions_reads_; }
  // One "Init" per call: component, model, the empty text, the version on entry.
  const CallLog& Log() const { return log_; }

 private:
  friend class SimProvInfo;
  std::map<std::string, SimModel> models_;
  std::map<std::string, std::shared_ptr<SimProvider>> providers_;
  std::string version_text_;
  CallLog log_;
  int records_created_ = 0;
  int live_records_ = 0;
  int versions_reads_ = 0;
};

class SimProvInfo : public IprovInfo {
 public:
  // A record standing for one version, outside any scenario (no Versions, no Init).
  explicit SimProvInfo(SimVersion version);
  // A record as the class makes it for the component: empty until Init.
  explicit SimProvInfo(std::shared_ptr<ProvInfoScenario> scenario);
  ~SimProvInfo() override;
  SimProvInfo(const SimProvInfo&) = delete;
  SimProvInfo& operator=(const SimProvInfo&) = delete;

  std::string MenuName() override { return version_.menu_name; }
  bool InMenu() override { return version_.in_menu; }
  std::string Key() override { return version_.key; }
  std::string NextKey() override { return version_.next_key; }
  std::shared_ptr<Iprovider> Provider() override;
  // A new host collection on every read, or none before Init.
  std::shared_ptr<IcolProvInfo> Versions() override;
  void Init(std::string strComponent, std::string strModel, std::string strEmpty, std::string& strVersion) override;

 private:
  using VersionList = std::vector<SimVersion>;
  SimProvInfo(std::shared_ptr<ProvInfoScenario> scenario, SimVersion version,
              std::shared_ptr<const VersionList> versions);

  std::shared_ptr<ProvInfoScenario> scenario_;
  bool made_by_class_ = false;
  SimVersion version_;
  std::shared_ptr<const VersionList> versions_;
  std::shared_ptr<SimProvider> own_provider_;
};

// Lets the component create "clsProvInfo" records drawn from scenario. The host's
// class registry is process-wide, but a scenario is not thread-safe: a thread that
// set a scenario of its own gets records of that one, every other thread records of
// the process's scenario.
void RegisterSimProvInfoClass(const ComponentApi& api, std::shared_ptr<ProvInfoScenario> scenario);
void UnregisterSimProvInfoClass(const ComponentApi& api);
// This thread's own scenario (registers the class too); none goes back to the
// process's.
void SetThreadSimProvInfoScenario(const ComponentApi& api, std::shared_ptr<ProvInfoScenario> scenario);

}  // namespace vx4820cal::simhost
