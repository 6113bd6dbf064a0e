// The component as a host loads it: a copy of the library in a folder of its own,
// opened with dlopen, serving its classes by name and reporting that folder.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal {
namespace {

TEST(LoadableLibrary, CreatesTheTierByNameAndReportsItsOwnFolder) {
  testing::TempDir folder;
  std::filesystem::copy_file(VX4820CAL_LIBRARY_FILE, folder / "libvx4820cal.so");
  // The library stays loaded: objects and per-thread state of it may outlive the test.
  void* library = dlopen((folder / "libvx4820cal.so").c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto get_api = reinterpret_cast<const ComponentApi* (*)()>(dlsym(library, kComponentApiSymbol));
  ASSERT_NE(get_api, nullptr);
  const ComponentApi* api = get_api();
  EXPECT_EQ(api->version, kComponentApiVersion);

  EXPECT_EQ(std::filesystem::canonical(api->ComponentFolder()), std::filesystem::canonical(folder.Path()));
  auto tier = std::dynamic_pointer_cast<Itier>(api->CreateObject("clsVX4820CALTier"));
  ASSERT_NE(tier, nullptr);
  EXPECT_NE(std::dynamic_pointer_cast<IcalParamOwner>(tier), nullptr);
  EXPECT_THROW(api->CreateObject("clsTierUI"), Error);

  api->SetComponentFolder("/somewhere/else");
  EXPECT_EQ(api->ComponentFolder(), std::filesystem::path("/somewhere/else"));
  api->SetComponentFolder({});
}

}  // namespace
}  // namespace vx4820cal
