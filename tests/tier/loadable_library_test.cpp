// The component as a host loads it: a copy of the library in a folder of its own,
// opened as a host opens it (dlopen, LoadLibraryW), serving its classes by name and
// reporting that folder.
#include <gtest/gtest.h>

#include "host/loaded_component.h"
#include "support/test_support.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal {
namespace {

TEST(LoadableLibrary, CreatesTheTierByNameAndReportsItsOwnFolder) {
  test_support::TempDir folder;
  std::filesystem::copy_file(VX4820CAL_LIBRARY_FILE, simhost::LibraryInFolder(folder.Path()));
  simhost::LoadedComponent library(simhost::LibraryInFolder(folder.Path()));
  const ComponentApi* api = &library.Api();
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
