#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "vx4820cal/collection.h"

namespace vx4820cal {
namespace {

std::vector<std::string> Texts(const Collection& collection) {
  std::vector<std::string> texts;
  collection.ForEach([&](const Variant& v) { texts.push_back(v.AsTextUnchecked()); });
  return texts;
}

TEST(KeyedCollection, KeysIgnoreLetterCaseAcrossTheCodePage) {
  Collection c;
  c.Add(Variant("first"), "Key");
  c.Add(Variant("accent"), "élan");
  c.Add(Variant("unkeyed"));
  EXPECT_EQ(c.Item("KEY").AsTextUnchecked(), "first");
  EXPECT_EQ(c.Item("ÉLAN").AsTextUnchecked(), "accent");
  EXPECT_EQ(c.Item(Variant(3)).AsTextUnchecked(), "unkeyed");
  EXPECT_TRUE(c.ContainsKey("kEy"));
  EXPECT_FALSE(c.ContainsKey(""));
  EXPECT_EQ(test_support::ErrorNumberOf([&] { c.Add(Variant("again"), "kEY"); }), err::kDuplicateKey);
  EXPECT_EQ(test_support::ErrorNumberOf([&] { c.Add(Variant("again"), "ÉLAN"); }), err::kDuplicateKey);
  EXPECT_EQ(c.Count(), 3);
}

TEST(KeyedCollection, ErrorsForMissingKeysAndPositions) {
  Collection c;
  c.Add(Variant("a"), "a");
  EXPECT_EQ(test_support::ErrorNumberOf([&] { c.Item(0); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(test_support::ErrorNumberOf([&] { c.Item(2); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(test_support::ErrorNumberOf([&] { c.Item("b"); }), err::kInvalidArgument);
  EXPECT_EQ(test_support::ErrorNumberOf([&] { c.Remove("b"); }), err::kInvalidArgument);
  EXPECT_EQ(test_support::ErrorNumberOf([&] { c.Item(Variant()); }), err::kTypeMismatch);
}

TEST(KeyedCollection, RemoveRenumbersAndFreesTheKey) {
  Collection c;
  for (const char* text : {"a", "b", "c"}) c.Add(Variant(text), text);
  c.Remove(1);
  EXPECT_EQ(Texts(c), (std::vector<std::string>{"b", "c"}));
  EXPECT_EQ(c.Item(1).AsTextUnchecked(), "b");
  c.Remove(Variant("C"));
  EXPECT_EQ(Texts(c), (std::vector<std::string>{"b"}));
  c.Add(Variant("c again"), "c");
  EXPECT_EQ(c.Item("c").AsTextUnchecked(), "c again");
  // A removed element is released when it is removed, not when its place is used again.
  KeyedCollection<std::shared_ptr<int>> owners;
  auto held = std::make_shared<int>(1);
  std::weak_ptr<int> watch = held;
  owners.Add(std::move(held), "k");
  owners.Remove("K");
  EXPECT_TRUE(watch.expired());
}

TEST(KeyedCollection, AddBeforeAPosition) {
  Collection c;
  c.Add(Variant("last"));
  c.Add(Variant("first"), "", 1);
  c.Add(Variant("middle"), "m", 2);
  EXPECT_EQ(Texts(c), (std::vector<std::string>{"first", "middle", "last"}));
  EXPECT_EQ(test_support::ErrorNumberOf([&] { c.Add(Variant("x"), "", 5); }), err::kSubscriptOutOfRange);
}

TEST(KeyedCollection, AgreesWithAPlainMapOverManyAddsAndRemoves) {
  // Few distinct keys and many removals: probe runs wrap around the index and holes
  // open in the middle of them. Keys of 4 to 46 bytes: kept in place or on the heap,
  // and places used again by a key of the other kind.
  auto key_of = [](unsigned k) { return std::string(k % 41, 'x') + "key" + std::to_string(k); };
  std::mt19937 random(4820);
  KeyedCollection<int> collection;
  std::map<std::string, int> model;
  std::vector<int> order;  // the values in insertion order: removed places are used again
  for (int step = 0; step < 20000; ++step) {
    std::string key = key_of(random() % 300);
    if (random() % 3 == 0) {
      if (auto it = model.find(key); it != model.end()) {
        order.erase(std::find(order.begin(), order.end(), it->second));
        model.erase(it);
        collection.Remove(std::string_view(key));
      } else {
        ASSERT_EQ(test_support::ErrorNumberOf([&] { collection.Remove(std::string_view(key)); }),
                  err::kInvalidArgument);
      }
    } else if (!model.count(key)) {
      collection.Add(step, key);
      model[key] = step;
      order.push_back(step);
    } else {
      ASSERT_EQ(test_support::ErrorNumberOf([&] { collection.Add(step, key); }), err::kDuplicateKey);
    }
    if (step % 97 == 0) {
      ASSERT_EQ(collection.Count(), static_cast<int32_t>(model.size()));
      std::vector<int> walked;
      collection.ForEach([&](int value) { walked.push_back(value); });
      ASSERT_EQ(walked, order);
      for (unsigned k = 0; k < 300; ++k) {
        std::string probe = UCase(key_of(k));
        auto it = model.find(key_of(k));
        int* found = collection.Find(probe);
        ASSERT_EQ(found != nullptr, it != model.end()) << probe;
        if (found) {
          ASSERT_EQ(*found, it->second);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vx4820cal
