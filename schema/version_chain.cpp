#include "schema/version_chain.h"

#include <unordered_set>

#include "common/object_access.h"
#include "schema/col_prov_info.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
namespace {

Error BrokenChain(const std::string& detail) {
  return Error(err::kInvalidArgument, kComponentName, "Broken version chain: " + detail);
}

// The first element whose Key is key (binary comparison), or none.
std::shared_ptr<IprovInfo> FindVersion(const std::shared_ptr<IcolProvInfo>& versions, const std::string& key) {
  std::shared_ptr<IprovInfo> found;
  ForEachProvInfo(versions, [&](const std::shared_ptr<IprovInfo>& version) {
    if (version->Key() == key) found = version;
    return !found;
  });
  return found;
}

}  // namespace

std::vector<std::string> VersionChainKeys(const std::shared_ptr<IprovInfo>& start) {
  std::shared_ptr<IprovInfo> current = Required(start);
  std::vector<std::string> keys{current->Key()};
  std::unordered_set<std::string> visited{keys.front()};
  for (std::string next = current->NextKey(); !next.empty(); next = current->NextKey()) {
    if (!visited.insert(next).second) {
      throw BrokenChain("\"" + keys.back() + "\" leads back to \"" + next + "\"");
    }
    std::shared_ptr<IprovInfo> following = FindVersion(current->Versions(), next);
    if (!following) {
      throw BrokenChain("\"" + keys.back() + "\" names \"" + next +
                        "\" as its next version, which is not among its versions");
    }
    current = std::move(following);
    keys.push_back(next);
  }
  return keys;
}

}  // namespace vx4820cal
