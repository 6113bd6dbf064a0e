#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "vx4820cal/component.h"

namespace vx4820cal::fuzz {
namespace {

namespace fs = std::filesystem;

class NoMessageBoxes : public MessageBoxService {
 public:
  int32_t Show(const std::string& text, const std::string& title, int32_t) override {
    Finding("a message box was shown: [" + title + "] " + text);
  }
};

// Made once per process and never destroyed, so that the exit handler that removes
// it can still read its name.
const fs::path& Folder() {
  static const fs::path* folder = [] {
    // Every input writes files: a memory-backed folder keeps that (and fsync) cheap.
    fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path made = base / ("vx4820cal-fuzz-" + std::to_string(::getpid()));
    fs::remove_all(made);
    fs::create_directories(made);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(Folder(), ignored);
    });
    return new fs::path(made);
  }();
  return *folder;
}

}  // namespace

const fs::path& ComponentFolderForFuzzing() {
  static const bool installed = [] {
    InstallMessageBoxService(std::make_shared<NoMessageBoxes>());
    SetDecimalSymbolOverride(".");
    return true;
  }();
  (void)installed;
  SetThreadComponentFolder(Folder());
  return Folder();
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Finding("cannot write " + path.string());
}

void RemoveFile(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

void Finding(std::string_view what) {
  std::fprintf(stderr, "FINDING: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace vx4820cal::fuzz
