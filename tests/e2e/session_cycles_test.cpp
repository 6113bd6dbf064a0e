// A thousand whole sessions on one thread: each Initialize, Terminate and release
// leaves nothing of itself alive. The component keeps only its last tier (as the
// thread's terminator), until the thread ends; under the sanitize preset
// LeakSanitizer checks the rest at exit.
#include <gtest/gtest.h>

#include "e2e/e2e_fixture.h"

namespace vx4820cal {
namespace {

using simhost::HostSession;

constexpr int kCycles = 1000;

TEST(SessionCycles, AThousandSessionsLeaveOnlyTheLastTierUntilTheThreadEnds) {
  test_support::InstalledComponent component;
  std::vector<std::weak_ptr<Itier>> tiers;
  std::weak_ptr<simhost::SimDelegateTier> last_delegate;
  int failed_cycles = 0;
  test_support::OnFreshThread([&] {
    for (int cycle = 0; cycle < kCycles; ++cycle) {
      HostSession session(component.Setup());
      bool clean = test_support::StartSession(session);
      session.Terminate();
      tiers.push_back(session.Tier());
      session.End();
      clean = clean && test_support::BoxTexts(session).empty() && session.Host().tier_data->LiveRecords() == 0;
      failed_cycles += clean ? 0 : 1;
      last_delegate = session.Host().delegate;
    }
    size_t alive = 0;
    for (const auto& tier : tiers) alive += tier.expired() ? 0 : 1;
    EXPECT_EQ(alive, 1u);
    EXPECT_FALSE(tiers.back().expired());
  });
  EXPECT_EQ(failed_cycles, 0);
  EXPECT_TRUE(tiers.back().expired());
  EXPECT_TRUE(last_delegate.expired());
}

}  // namespace
}  // namespace vx4820cal
