// Holds counted many at a time: every copy keeps the pool and its texts alive, in
// whatever order the copies and the reserve go, and the pool goes with the last of
// them (the sanitizer build tells a pool freed early, twice or never).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "calparams/parameter_conditions.h"

namespace vx4820cal::calparams {
namespace {

SharedConditions Conditions() { return MakeConditions("Table", "B1", "M1", 0, 9, "", PoolRef<TextPool>(new TextPool)); }

TEST(PoolHolds, ThePoolLivesAsLongAsAnyCopyOrTheReserve) {
  for (bool reserve_goes_first : {false, true}) {
    for (size_t copies : {size_t{1}, size_t{5000}}) {  // the second runs past one count
      std::vector<SharedConditions> shared;
      {
        auto holds = std::make_unique<PoolHolds>();
        SharedConditions conditions = Conditions();
        for (size_t i = 0; i < copies; ++i) shared.push_back(holds->Share(conditions));
        conditions.reset();
        if (!reserve_goes_first) shared.clear();
      }
      for (const SharedConditions& copy : shared) ASSERT_EQ(copy->table->name, "Table");
    }
  }
}

TEST(PoolHolds, AHoldTakenBackIsGivenOutAgain) {
  PoolHolds holds;
  SharedConditions conditions = Conditions();
  SharedConditions shared = holds.Share(conditions);
  for (int i = 0; i < 10000; ++i) {  // never runs out, never counts again
    holds.TakeBack(shared);
    ASSERT_FALSE(shared);
    shared = holds.Share(conditions);
  }
  SharedConditions other = Conditions();
  SharedConditions foreign = other;
  holds.TakeBack(foreign);  // of another pool: released as usual
  EXPECT_FALSE(foreign);
  conditions.reset();
  EXPECT_EQ(shared->models->form, ",M1,");
}

TEST(PoolHolds, OneReserveServesTheConditionsOfSeveralPools) {
  PoolHolds holds;
  SharedConditions first = holds.Share(Conditions());
  SharedConditions second = holds.Share(Conditions());
  SharedConditions again = holds.Share(first);
  EXPECT_NE(first->pool, second->pool);
  EXPECT_EQ(again->pool, first->pool);
  EXPECT_EQ(again->bands->form, ",B1,");
}

}  // namespace
}  // namespace vx4820cal::calparams
