#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// The tier's model records, tier lists, menu list and database version paths.
class VX4820CAL_API ItierSchema : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{78CD171B-04F4-482B-B20D-351579190FD2}";
  virtual std::string TierMenuList() = 0;
  virtual std::shared_ptr<IcolProvInfo> TierList() = 0;
  // VersionPath is replaced by a new collection of tier keys.
  virtual bool GetDBVersionPathForTier(std::string& TierKey, std::shared_ptr<Collection>& VersionPath) = 0;
  // VersionPath is the caller's collection, filled (not emptied first).
  virtual bool GetDBVersionPathForTierAndVersion(std::string& TierName, std::string& Version,
                                                 std::shared_ptr<Collection>& VersionPath) = 0;
  virtual std::string GetLatestTierForTierNameAndVersion(std::string& TierName, std::string& Version) = 0;
  virtual bool Initialize(std::shared_ptr<Itier> objTier, std::vector<std::string>& astrModels,
                          std::string& strVersion) = 0;
};

}  // namespace vx4820cal
