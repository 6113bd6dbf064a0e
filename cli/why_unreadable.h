#pragma once
// The check the tool makes before it reads a data file a person named.
#include <filesystem>
#include <string>

namespace vx4820cal::cli {

// Why path cannot be read as a data file ("does not exist", "is not a regular file",
// the system's reason it cannot be opened), or empty when it can.
std::string WhyUnreadable(const std::filesystem::path& path);

}  // namespace vx4820cal::cli
