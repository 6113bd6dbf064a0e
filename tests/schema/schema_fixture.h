#pragma once
// What the schema tests share: the host's clsProvInfo class registered for a scenario
// the test describes, a schema made as the tier makes it, and armed error reporting.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/error_convention.h"
#include "host/message_box_recorder.h"
#include "host/sim_delegate_tier.h"
#include "host/sim_prov_info.h"
#include "schema/col_prov_info.h"
#include "schema/schema.h"
#include "support/test_support.h"
#include "vx4820cal/component.h"

namespace vx4820cal::test_support {

inline const std::vector<std::string> kProductModels = {"VX4820 Standard Rx", "VX4820 Trigger Base Rx",
                                                        "VX4820 Transmitter", "VX4820 High Power Tx"};

class SchemaFixture : public ::testing::Test {
 protected:
  void SetUp() override { simhost::RegisterSimProvInfoClass(Api(), scenario); }
  void TearDown() override { simhost::UnregisterSimProvInfoClass(Api()); }
  static const ComponentApi& Api() { return *vx4820cal_GetComponentApi(); }

  // Each model's tier, named as the model, in versions 0001 -> 0002 -> 0003; the
  // host fills the version text "0003".
  void DescribeProduct() {
    for (const std::string& model : kProductModels) scenario->AddChain(model, model, {"0001", "0002", "0003"});
    scenario->SetVersionText("0003");
  }

  // Initialize as the tier calls it: its Itier, the four models, a version that
  // starts empty.
  bool InitializeSchema() {
    std::vector<std::string> models = kProductModels;
    version.clear();
    return schema->Initialize(tier, models, version);
  }

  std::shared_ptr<simhost::ProvInfoScenario> scenario = std::make_shared<simhost::ProvInfoScenario>();
  std::shared_ptr<simhost::SimDelegateTier> tier = std::make_shared<simhost::SimDelegateTier>();
  std::shared_ptr<ItierSchema> schema = NewSchema();
  std::string version;
};

// Error reporting armed on this thread, boxes recorded; make it inside OnFreshThread.
struct ArmedReporting {
  ArmedReporting() {
    InstallMessageBoxService(boxes);
    InitRaiseError(terminator);
  }
  ~ArmedReporting() { InstallMessageBoxService(nullptr); }
  ArmedReporting(const ArmedReporting&) = delete;
  ArmedReporting& operator=(const ArmedReporting&) = delete;

  std::shared_ptr<simhost::MessageBoxRecorder> boxes = std::make_shared<simhost::MessageBoxRecorder>();
  std::shared_ptr<CountingTerminator> terminator = std::make_shared<CountingTerminator>();
};

inline std::vector<std::string> KeysOf(const std::shared_ptr<IcolProvInfo>& list) {
  std::vector<std::string> keys;
  ForEachProvInfo(list, [&](const std::shared_ptr<IprovInfo>& item) {
    keys.push_back(item->Key());
    return true;
  });
  return keys;
}

inline std::vector<std::string> TextsOf(const Collection& path) {
  std::vector<std::string> texts;
  path.ForEach([&](const Variant& item) { texts.push_back(item.IsText() ? item.AsTextUnchecked() : "<not text>"); });
  return texts;
}

inline std::shared_ptr<Collection> CollectionOf(const std::vector<std::string>& texts) {
  auto collection = std::make_shared<Collection>();
  for (const std::string& text : texts) collection->Add(Variant(text));
  return collection;
}

}  // namespace vx4820cal::test_support
