// Where the component's data files lie: beside the loaded library, unless a host
// says otherwise.
#include <mutex>

#include "platform/platform.h"
#include "vx4820cal/component.h"

namespace vx4820cal {
namespace {

std::mutex gFolderMutex;
std::filesystem::path gProcessFolder;
thread_local std::filesystem::path tlsThreadFolder;

}  // namespace

std::filesystem::path ComponentFolder() {
  if (!tlsThreadFolder.empty()) return tlsThreadFolder;
  {
    std::lock_guard<std::mutex> lock(gFolderMutex);
    if (!gProcessFolder.empty()) return gProcessFolder;
  }
  static const std::filesystem::path library_folder = platform::ModuleFolder();
  return library_folder;
}

void SetComponentFolder(const std::filesystem::path& folder) {
  std::lock_guard<std::mutex> lock(gFolderMutex);
  gProcessFolder = folder;
}

void SetThreadComponentFolder(const std::filesystem::path& folder) { tlsThreadFolder = folder; }

}  // namespace vx4820cal
