#pragma once
// What comes with the tool, found from the tool's own file: the component's library
// in lib/ beside its bin/, and, once installed, the sample data.
#include <filesystem>

namespace vx4820cal::cli {

// The library installed with this tool: the tool carries the component's code
// itself, so a host's view of it is the library beside it.
std::filesystem::path LibraryBesideTool();

// The sample data folder an installation puts beside the tool (share/vx4820cal/data);
// empty when there is none, as in the build tree.
std::filesystem::path InstalledSampleData();

}  // namespace vx4820cal::cli
