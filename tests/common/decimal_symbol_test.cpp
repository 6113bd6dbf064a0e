#include "common/decimal_symbol.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/test_support.h"
#include "vx4820cal/component.h"

namespace vx4820cal {
namespace {

TEST(DecimalSymbol, OverridePerThread) {
  test_support::OnFreshThread([] {
    SetDecimalSymbolOverride(",");
    EXPECT_EQ(DecimalSymbol(), ",");
    SetDecimalSymbolOverride(std::nullopt);
  });
}

}  // namespace
}  // namespace vx4820cal
