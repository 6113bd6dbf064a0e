#include "schema/schema_support.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "common/text.h"
#include "schema/col_prov_info.h"
#include "schema/version_chain.h"

namespace vx4820cal::schema_support {
namespace {

std::string TierKeyOf(const std::string& tier_name, const std::string& version) { return tier_name + "." + version; }

// The schema's tier-list element under key, or none; nothing is reported.
std::shared_ptr<IprovInfo> QuietTierListItem(ItierSchema& schema, const std::string& key) {
  std::shared_ptr<IprovInfo> found;
  TrapQuietly([&] { found = Required(schema.TierList())->Item(Variant(key)); });
  return found;
}

}  // namespace

void SortVersionPath(const std::shared_ptr<Collection>& path_collection) {
  TrapAndReport("SortVersionPath", [&] {
    Collection& path = *Required(path_collection);
    std::vector<std::string> keys;
    keys.reserve(static_cast<size_t>(path.Count()));
    path.ForEach([&](const Variant& key) { keys.push_back(ToText(key)); });
    // std::string compares bytes as unsigned: the binary order of the UTF-8 texts.
    std::stable_sort(keys.begin(), keys.end(), std::greater<>());
    path.Clear();
    for (std::string& key : keys) path.Add(Variant(std::move(key)));
  });
}

bool GetDBVersionPathForTier(const std::string& tier_key, std::shared_ptr<Collection>& version_path,
                             const std::shared_ptr<IcolProvInfo>& models) {
  std::shared_ptr<IprovInfo> record;
  if (!TrapQuietly([&] { record = Required(models)->Item(Variant(tier_key)); })) return false;
  return TrapAndReport("GetDBVersionPathForTier", false, [&] {
    // Built aside: the caller's reference changes only once the path is whole.
    auto path = std::make_shared<Collection>();
    bool listed = false;
    ForEachProvInfo(Required(record)->Versions(), [&](const std::shared_ptr<IprovInfo>& version) {
      std::string key = version->Key();
      listed = listed || EqualsNoCase(key, tier_key);
      path->Add(Variant(std::move(key)));
      return true;
    });
    SortVersionPath(path);
    version_path = std::move(path);
    return listed;
  });
}

bool GetDBVersionPathForTierAndVersion(const std::string& tier_name, const std::string& version,
                                       const std::shared_ptr<Collection>& version_path, ItierSchema& schema) {
  std::shared_ptr<IprovInfo> requested = QuietTierListItem(schema, TierKeyOf(tier_name, version));
  if (!requested) return false;
  return TrapAndReport("GetDBVersionPathForTierAndVersion", false, [&] {
    Collection& path = *Required(version_path);
    // The whole chain is walked before the caller's collection changes, so a broken
    // chain leaves it as it was.
    std::vector<std::string> chain = VersionChainKeys(requested);
    path.Add(Variant(chain.front()));
    for (size_t i = 1; i < chain.size(); ++i) path.Add(Variant(chain[i]), {}, 1);
    return true;
  });
}

std::string GetLatestTierForTierNameAndVersion(const std::string& tier_name, const std::string& version,
                                               ItierSchema& schema) {
  std::string result;
  TrapQuietly([&] {
    std::shared_ptr<IprovInfo> requested = Required(schema.TierList())->Item(Variant(TierKeyOf(tier_name, version)));
    result = VersionChainKeys(requested).back();
  });
  return result;
}

std::shared_ptr<IcolProvInfo> TierList(const std::shared_ptr<IcolProvInfo>& models) {
  return TrapAndReport("TierList", std::shared_ptr<IcolProvInfo>(), [&] {
    std::shared_ptr<IcolProvInfo> list = NewColProvInfo();
    ForEachProvInfo(models, [&](const std::shared_ptr<IprovInfo>& model) {
      ForEachProvInfo(model->Versions(), [&](const std::shared_ptr<IprovInfo>& version) {
        list->Add(version, version->Key());
        return true;
      });
      return true;
    });
    return list;
  });
}

std::string MenuList(const std::shared_ptr<IcolProvInfo>& models) {
  return TrapAndReport("MenuList", std::string(), [&] {
    std::string list;
    ForEachProvInfo(models, [&](const std::shared_ptr<IprovInfo>& model) {
      if (!model->InMenu()) return true;
      if (!list.empty()) list += "|";
      list += model->NextKey() + "|" + model->MenuName() + "|" + model->Key();
      return true;
    });
    return list;
  });
}

}  // namespace vx4820cal::schema_support
