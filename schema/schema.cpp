#include "schema/schema.h"

#include <utility>

#include "common/error_convention.h"
#include "common/object_access.h"
#include "schema/col_prov_info.h"
#include "schema/schema_support.h"
#include "vx4820cal/component.h"
#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/iprovinfo.h"

namespace vx4820cal {
namespace {

// A host record filled for one model, or none when the host cannot make one; a
// record that fails is released here and reported nowhere.
std::shared_ptr<IprovInfo> NewModelRecord(const std::string& model, std::string& version) {
  std::shared_ptr<IprovInfo> record;
  bool made = TrapQuietly([&] {
    record = ViewAs<IprovInfo>(CreateHostObject(IprovInfo::kHostClassName));
    record->Init(kComponentName, model, "", version);
  });
  return made ? record : nullptr;
}

// The tier's schema: one host record per product model, from which every tier list,
// the menu list and the version paths are worked out.
class clsSchema final : public ItierSchema {
 public:
  std::string TierMenuList() override {
    return TrapAndReport("ItierSchema_TierMenuList", std::string(), [&] { return menu_list_; });
  }

  std::shared_ptr<IcolProvInfo> TierList() override {
    return TrapAndReport("ItierSchema_TierList", std::shared_ptr<IcolProvInfo>(),
                         [&] { return schema_support::TierList(model_records_); });
  }

  bool GetDBVersionPathForTier(std::string& TierKey, std::shared_ptr<Collection>& VersionPath) override {
    return TrapAndReport("ItierSchema_GetDBVersionPathForTier", false,
                         [&] { return schema_support::GetDBVersionPathForTier(TierKey, VersionPath, model_records_); });
  }

  bool GetDBVersionPathForTierAndVersion(std::string& TierName, std::string& Version,
                                         std::shared_ptr<Collection>& VersionPath) override {
    return TrapAndReport("ItierSchema_GetDBVersionPathForTierAndVersion", false, [&] {
      return schema_support::GetDBVersionPathForTierAndVersion(TierName, Version, VersionPath, *this);
    });
  }

  std::string GetLatestTierForTierNameAndVersion(std::string& TierName, std::string& Version) override {
    return TrapAndReport("ItierSchema_GetLatestTierForTierNameAndVersion", std::string(),
                         [&] { return schema_support::GetLatestTierForTierNameAndVersion(TierName, Version, *this); });
  }

  // One record per model, made by the host's clsProvInfo; the host may fill
  // strVersion. A model the host cannot make a record for ends it with False,
  // quietly, keeping the records made so far.
  bool Initialize(std::shared_ptr<Itier> objTier, std::vector<std::string>& astrModels,
                  std::string& strVersion) override {
    return TrapAndReport("ItierSchema_Initialize", false, [&] {
      model_records_ = NewColProvInfo();
      for (const std::string& model : astrModels) {
        std::shared_ptr<IprovInfo> record = NewModelRecord(model, strVersion);
        if (!record) return false;
        model_records_->Add(record, record->Key());
      }
      menu_list_ = schema_support::MenuList(model_records_);
      tier_ = std::move(objTier);
      return true;
    });
  }

 private:
  std::shared_ptr<Itier> tier_;
  std::shared_ptr<IcolProvInfo> model_records_;
  std::string menu_list_;
};

}  // namespace

std::shared_ptr<ItierSchema> NewSchema() { return std::make_shared<clsSchema>(); }

}  // namespace vx4820cal
