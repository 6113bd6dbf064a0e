#pragma once
// The walk every collection hands out: over a copy of the elements taken when the walk
// began, so that elements added or removed meanwhile do not disturb it.
#include <memory>
#include <utility>
#include <vector>

#include "vx4820cal/collection.h"
#include "vx4820cal/interfaces/ienumerator.h"

namespace vx4820cal {

template <class T>
class SnapshotEnumerator final : public Ienumerator {
 public:
  explicit SnapshotEnumerator(std::vector<T> items) : items_(std::move(items)) {}

  bool Next(Variant& item) override {
    if (next_ >= items_.size()) return false;
    item = Variant(items_[next_++]);
    return true;
  }

 private:
  std::vector<T> items_;
  size_t next_ = 0;
};

template <class T>
std::shared_ptr<Ienumerator> EnumerateSnapshot(const KeyedCollection<T>& collection) {
  std::vector<T> snapshot;
  snapshot.reserve(static_cast<size_t>(collection.Count()));
  collection.ForEach([&](const T& item) { snapshot.push_back(item); });
  return std::make_shared<SnapshotEnumerator<T>>(std::move(snapshot));
}

}  // namespace vx4820cal
