#include "schema/schema.h"

#include <utility>

#include "schema/schema_support.h"
#include "schema/col_prov_info.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "vx4820cal/component.h"
#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/iprovinfo.h"

namespace vx4820cal {
namespace {

namespace support = modItierSchemaSupport;

// A host record filled for one model, or none when the host cannot make one; a
// record that fails is released here and reported nowhere.
std::shared_ptr<IprovInfo> NewModelRecord(const std::string& model, std::string& strVersion) {
  std::shared_ptr<IprovInfo> record;
  bool made = TrapQuietly([&] {
    record = ViewAs<IprovInfo>(CreateHostObject(IprovInfo::kHostClassName));
    record->Init(kComponentName, model, "", strVersion);
  });
  return made ? record : nullptr;
}

// The tier's schema: one host record per product model, from which every tier list,
// the menu list and the version paths are worked out.
class clsSchema final : public ItierSchema {
 public:
  std::string TierMenuList() override {
    std::string result;
    TrapAndReport("ItierSchema_TierMenuList", [&] { result = menu_list_; });
    return result;
  }

  std::shared_ptr<IcolProvInfo> TierList() override {
    std::shared_ptr<IcolProvInfo> result;
    TrapAndReport("ItierSchema_TierList", [&] { result = support::TierList(model_records_); });
    return result;
  }

  bool GetDBVersionPathForTier(std::string& TierKey, std::shared_ptr<Collection>& VersionPath) override {
    bool result = false;
    TrapAndReport("ItierSchema_GetDBVersionPathForTier",
                  [&] { result = support::GetDBVersionPathForTier(TierKey, VersionPath, model_records_); });
    return result;
  }

  bool GetDBVersionPathForTierAndVersion(std::string& TierName, std::string& Version,
                                         std::shared_ptr<Collection>& VersionPath) override {
    bool result = false;
    TrapAndReport("ItierSchema_GetDBVersionPathForTierAndVersion", [&] {
      result = support::GetDBVersionPathForTierAndVersion(TierName, Version, VersionPath, *this);
    });
    return result;
  }

  std::string GetLatestTierForTierNameAndVersion(std::string& TierName, std::string& Version) override {
    std::string result;
    TrapAndReport("ItierSchema_GetLatestTierForTierNameAndVersion",
                  [&] { result = support::GetLatestTierForTierNameAndVersion(TierName, Version, *this); });
    return result;
  }

  // One record per model, made by the host's clsProvInfo; the host may fill
  // strVersion. A model the host cannot make a record for ends it with False,
  // quietly, keeping the records made so far.
  bool Initialize(std::shared_ptr<Itier> objTier, std::vector<std::string>& astrModels,
                  std::string& strVersion) override {
    bool result = false;
    TrapAndReport("ItierSchema_Initialize", [&] {
      model_records_ = NewColProvInfo();
      for (const std::string& model : astrModels) {
        std::shared_ptr<IprovInfo> record = NewModelRecord(model, strVersion);
        if (!record) return;
        model_records_->Add(record, record->Key());
      }
      menu_list_ = support::MenuList(model_records_);
      tier_ = std::move(objTier);
      result = true;
    });
    return result;
  }

 private:
  std::shared_ptr<Itier> tier_;
  std::shared_ptr<IcolProvInfo> model_records_;
  std::string menu_list_;
};

}  // namespace

std::shared_ptr<ItierSchema> NewSchema() { return std::make_shared<clsSchema>(); }

}  // namespace vx4820cal
