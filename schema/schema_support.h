#pragma once
// The schema's work on the model records, its tier lists and
// the database version paths. clsSchema hands each of its operations to one of these.
#include <memory>
#include <string>

#include "vx4820cal/collection.h"
#include "vx4820cal/interfaces/icolprovinfo.h"
#include "vx4820cal/interfaces/itierschema.h"

namespace vx4820cal::schema_support {

// Sorts the tier keys in place, latest first (descending, binary comparison); the
// elements come back without keys.
void SortVersionPath(const std::shared_ptr<Collection>& path_collection);

// The keys of the model record's versions, latest first, in a new collection that
// replaces version_path. True when the record's own key (in any letter case) is among
// them. A key that is no model record's answers false and leaves version_path alone.
bool GetDBVersionPathForTier(const std::string& tier_key, std::shared_ptr<Collection>& version_path,
                             const std::shared_ptr<IcolProvInfo>& models);

// Appends the key tier_name.version to version_path and puts each key that follows it
// in front, so an empty collection ends up latest first. False, with version_path
// untouched, when the tier list has no such key.
bool GetDBVersionPathForTierAndVersion(const std::string& tier_name, const std::string& version,
                                       const std::shared_ptr<Collection>& version_path, ItierSchema& schema);

// The key of the latest version that tier_name.version leads to; empty, quietly, when
// there is none.
std::string GetLatestTierForTierNameAndVersion(const std::string& tier_name, const std::string& version,
                                               ItierSchema& schema);

// Every version of every model record, in order, keyed by its Key; a new collection
// on every call.
std::shared_ptr<IcolProvInfo> TierList(const std::shared_ptr<IcolProvInfo>& models);

// "NextKey|MenuName|Key" for each model record in the menu, joined by "|".
std::string MenuList(const std::shared_ptr<IcolProvInfo>& models);

}  // namespace vx4820cal::schema_support
