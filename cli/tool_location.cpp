#include "cli/tool_location.h"

#include "host/loaded_component.h"

namespace vx4820cal::cli {
namespace {

// The folder of the running program, as the system knows it.
std::filesystem::path ToolFolder() {
  std::error_code ignored;
  return std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
}

}  // namespace

std::filesystem::path LibraryBesideTool() { return simhost::LibraryInFolder(ToolFolder().parent_path() / "lib"); }

std::filesystem::path InstalledSampleData() {
  std::filesystem::path tool_folder = ToolFolder();
  if (tool_folder.empty()) return {};
  std::filesystem::path folder = (tool_folder / VX4820CAL_SAMPLE_DATA_FROM_TOOL).lexically_normal();
  std::error_code ignored;
  return std::filesystem::is_directory(folder, ignored) ? folder : std::filesystem::path();
}

}  // namespace vx4820cal::cli
