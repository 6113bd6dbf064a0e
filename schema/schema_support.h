#pragma once
// modItierSchemaSupport: the schema's work on the model records, its tier lists and
// the database version paths. clsSchema hands each of its operations to one of these.
#include <memory>
#include <string>

#include "vx4820cal/collection.h"
#include "vx4820cal/interfaces/icolprovinfo.h"
#include "vx4820cal/interfaces/itierschema.h"

namespace vx4820cal::modItierSchemaSupport {

// Sorts the tier keys in place, latest first (descending, binary comparison); the
// elements come back without keys.
void SortVersionPath(const std::shared_ptr<Collection>& colPath);

// The keys of the model record's versions, latest first, in a new collection that
// replaces VersionPath. True when the record's own key (in any letter case) is among
// them. A key that is no model record's answers false and leaves VersionPath alone.
bool GetDBVersionPathForTier(const std::string& TierKey, std::shared_ptr<Collection>& VersionPath,
                             const std::shared_ptr<IcolProvInfo>& colModels);

// Appends the key TierName.Version to VersionPath and puts each key that follows it
// in front, so an empty collection ends up latest first. False, with VersionPath
// untouched, when the tier list has no such key.
bool GetDBVersionPathForTierAndVersion(const std::string& TierName, const std::string& Version,
                                       const std::shared_ptr<Collection>& VersionPath, ItierSchema& objSchema);

// The key of the latest version that TierName.Version leads to; empty, quietly, when
// there is none.
std::string GetLatestTierForTierNameAndVersion(const std::string& TierName, const std::string& Version,
                                               ItierSchema& objSchema);

// Every version of every model record, in order, keyed by its Key; a new collection
// on every call.
std::shared_ptr<IcolProvInfo> TierList(const std::shared_ptr<IcolProvInfo>& colModels);

// "NextKey|MenuName|Key" for each model record in the menu, joined by "|".
std::string MenuList(const std::shared_ptr<IcolProvInfo>& colModels);

}  // namespace vx4820cal::modItierSchemaSupport
