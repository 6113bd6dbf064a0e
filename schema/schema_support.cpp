#include "schema/schema_support.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "schema/version_chain.h"
#include "schema/col_prov_info.h"
#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "common/text.h"

namespace vx4820cal::modItierSchemaSupport {
namespace {

std::string TierKeyOf(const std::string& TierName, const std::string& Version) { return TierName + "." + Version; }

// The schema's tier-list element under key, or none; nothing is reported.
std::shared_ptr<IprovInfo> QuietTierListItem(ItierSchema& objSchema, const std::string& key) {
  std::shared_ptr<IprovInfo> found;
  TrapQuietly([&] { found = Required(objSchema.TierList())->Item(Variant(key)); });
  return found;
}

}  // namespace

void SortVersionPath(const std::shared_ptr<Collection>& colPath) {
  TrapAndReport("SortVersionPath", [&] {
    Collection& path = *Required(colPath);
    std::vector<std::string> keys;
    keys.reserve(static_cast<size_t>(path.Count()));
    path.ForEach([&](const Variant& key) { keys.push_back(ToText(key)); });
    // std::string compares bytes as unsigned: the binary order of the UTF-8 texts.
    std::stable_sort(keys.begin(), keys.end(), std::greater<>());
    path.Clear();
    for (std::string& key : keys) path.Add(Variant(std::move(key)));
  });
}

bool GetDBVersionPathForTier(const std::string& TierKey, std::shared_ptr<Collection>& VersionPath,
                             const std::shared_ptr<IcolProvInfo>& colModels) {
  std::shared_ptr<IprovInfo> record;
  if (!TrapQuietly([&] { record = Required(colModels)->Item(Variant(TierKey)); })) return false;
  bool result = false;
  TrapAndReport("GetDBVersionPathForTier", [&] {
    // Built aside: the caller's reference changes only once the path is whole.
    auto path = std::make_shared<Collection>();
    bool listed = false;
    ForEachProvInfo(Required(record)->Versions(), [&](const std::shared_ptr<IprovInfo>& version) {
      std::string key = version->Key();
      listed = listed || EqualsNoCase(key, TierKey);
      path->Add(Variant(std::move(key)));
      return true;
    });
    SortVersionPath(path);
    VersionPath = std::move(path);
    result = listed;
  });
  return result;
}

bool GetDBVersionPathForTierAndVersion(const std::string& TierName, const std::string& Version,
                                       const std::shared_ptr<Collection>& VersionPath, ItierSchema& objSchema) {
  std::shared_ptr<IprovInfo> requested = QuietTierListItem(objSchema, TierKeyOf(TierName, Version));
  if (!requested) return false;
  bool result = false;
  TrapAndReport("GetDBVersionPathForTierAndVersion", [&] {
    Collection& path = *Required(VersionPath);
    // The whole chain is walked before the caller's collection changes, so a broken
    // chain leaves it as it was.
    std::vector<std::string> chain = VersionChainKeys(requested);
    path.Add(Variant(chain.front()));
    for (size_t i = 1; i < chain.size(); ++i) path.Add(Variant(chain[i]), {}, 1);
    result = true;
  });
  return result;
}

std::string GetLatestTierForTierNameAndVersion(const std::string& TierName, const std::string& Version,
                                               ItierSchema& objSchema) {
  std::string result;
  TrapQuietly([&] {
    std::shared_ptr<IprovInfo> requested = Required(objSchema.TierList())->Item(Variant(TierKeyOf(TierName, Version)));
    result = VersionChainKeys(requested).back();
  });
  return result;
}

std::shared_ptr<IcolProvInfo> TierList(const std::shared_ptr<IcolProvInfo>& colModels) {
  std::shared_ptr<IcolProvInfo> result;
  TrapAndReport("TierList", [&] {
    std::shared_ptr<IcolProvInfo> list = NewColProvInfo();
    ForEachProvInfo(colModels, [&](const std::shared_ptr<IprovInfo>& model) {
      ForEachProvInfo(model->Versions(), [&](const std::shared_ptr<IprovInfo>& version) {
        list->Add(version, version->Key());
        return true;
      });
      return true;
    });
    result = std::move(list);
  });
  return result;
}

std::string MenuList(const std::shared_ptr<IcolProvInfo>& colModels) {
  std::string result;
  TrapAndReport("MenuList", [&] {
    std::string list;
    ForEachProvInfo(colModels, [&](const std::shared_ptr<IprovInfo>& model) {
      if (!model->InMenu()) return true;
      if (!list.empty()) list += "|";
      list += model->NextKey() + "|" + model->MenuName() + "|" + model->Key();
      return true;
    });
    result = std::move(list);
  });
  return result;
}

}  // namespace vx4820cal::modItierSchemaSupport
