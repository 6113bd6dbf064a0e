#pragma once
// Following a chain of tier versions: from a record, through each record's NextKey,
// to the latest record, whose NextKey is empty.
#include <memory>
#include <string>
#include <vector>

#include "vx4820cal/interfaces/iprovinfo.h"

namespace vx4820cal {

// The keys of the chain from start to the latest record, start's key first. Each
// following record is the first element of the current record's Versions whose Key
// equals its NextKey exactly. A NextKey that no element carries, or one that leads
// back to a key already on the chain, fails with 5 (a broken version chain) instead
// of walking on forever.
std::vector<std::string> VersionChainKeys(const std::shared_ptr<IprovInfo>& start);

}  // namespace vx4820cal
