#pragma once
// Where a parameter record applies: its table, bands, models, hardware versions and
// radio options, in matching form, with the weighting that says how specific they
// are. Every parameter line of one section state gets the same conditions, so the
// loader builds them once and the records share them.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/block_list.h"
#include "common/text_arena.h"
#include "common/text_index.h"
#include "vx4820cal/text_hash.h"

namespace vx4820cal::calparams {

inline constexpr int16_t kLowestVersion = 0;
inline constexpr int16_t kHighestVersion = 9999;

inline bool IsVersionInRange(int32_t version) { return version >= kLowestVersion && version <= kHighestVersion; }

struct TableName {
  std::string name;  // as written in the file
  std::string key;   // upper-cased and trimmed: what lookups compare
};

// The matching form of a band, model or radio-option list: "," followed by each
// comma-separated piece, trimmed of spaces, with a "," after it ("H5, H6" becomes
// ",H5,H6,"), so that a name is found by looking for "," + name + ","; the empty text
// gives ",". Case, duplicates and empty pieces stay.
std::string ListForm(std::string_view list_text);

// What to look for in an upper-cased list form to find name: UCase("," + name + ",").
std::string ListNeedle(std::string_view name);

// True when the upper-cased list form holds the entry "DEFAULT" (any case).
bool IsDefaultList(std::string_view upper_list_form);

// The pieces of a list form, in order (",A,,B," gives A, "", B; "," gives none).
std::vector<std::string_view> ListEntries(std::string_view list_form);

// A band, model or radio-option list; its texts are kept in the pool that made it.
struct ConditionList {
  std::string_view form;   // list form (",H5,H6,")
  std::string_view upper;  // the same, upper-cased, for matching
  bool is_default = false;
};

class TextPool;

struct ParameterConditions {
  const TableName* table = nullptr;
  const ConditionList* bands = nullptr;
  const ConditionList* models = nullptr;
  const ConditionList* radio_options = nullptr;
  int16_t hw_version_start = -1;
  int16_t hw_version_stop = -1;
  // Table, bands and models given and both versions within 0 to 9999: a record may
  // be filled with these conditions.
  bool complete = false;
  // Where the texts of the records filled with these conditions are kept.
  TextPool* pool = nullptr;

  // 4 for a specific band list, 2 for a specific model list, 1 for a specific radio
  // option list.
  int32_t Weighting() const {
    return (bands->is_default ? 0 : 4) + (models->is_default ? 0 : 2) + (radio_options->is_default ? 0 : 1);
  }
};

// The texts the records of one load share: table names, lists and the conditions
// themselves, and the records' names and values. A file states a few dozen tables
// and lists over thousands of sections, so each of those is kept once; names and
// values are copied end to end, a record's name beside its value. Everything stays
// put for as long as the pool lives: it lives while a PoolRef holds it or anything
// kept in it.
class TextPool {
 public:
  TextPool() = default;
  TextPool(const TextPool&) = delete;
  TextPool& operator=(const TextPool&) = delete;

  const TableName& TableNamed(std::string_view table);
  const ConditionList& ListOf(std::string_view list_text);
  const ParameterConditions& Keep(const ParameterConditions& conditions);
  // A copy of first and second end to end; where the copy begins.
  const char* KeepTexts(std::string_view first, std::string_view second) { return values_.Keep(first, second); }
  // Before the first use: how many conditions and value bytes a large file may bring.
  void Expect(size_t conditions, size_t value_bytes) {
    conditions_.Expect(conditions);
    values_.Expect(value_bytes);
  }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return HashText(text); }
  };
  template <class T>
  using ByText = std::unordered_map<std::string, T, Hash, std::equal_to<>>;

  ByText<TableName> tables_;  // by the text as written
  // By the text as written. A file of distinct lists brings tens of thousands: their
  // texts go end to end into an arena of their own, not three allocations each.
  BlockList<ConditionList> lists_;
  TextIndex<const ConditionList> lists_by_text_;
  TextArena list_texts_;
  BlockList<ParameterConditions> conditions_;
  TextArena values_;
  mutable std::atomic<size_t> holders_{0};

  template <class T>
  friend class PoolRef;
  friend class PoolHolds;
};

// The conditions of list texts as written in the file, kept in `pool`; they live as
// long as the pool. MakeConditions below gives them with a hold on it.
const ParameterConditions& KeepConditions(std::string_view table, std::string_view bands, std::string_view models,
                                          int16_t hw_version_start, int16_t hw_version_stop,
                                          std::string_view radio_options, TextPool& pool);

// A counted reference to a pool, or to conditions kept in one, that keeps the pool
// alive: eight bytes where a shared pointer takes sixteen, and a store holds one per
// record. Copies may live on different threads, as shared pointers may.
template <class T>
class PoolRef {
 public:
  PoolRef() = default;
  explicit PoolRef(T* target) : target_(target) { Hold(); }
  // Takes over a hold already counted for it (see PoolHolds).
  struct CountedHold {};
  PoolRef(T* target, CountedHold) : target_(target) {}
  PoolRef(const PoolRef& other) : target_(other.target_) { Hold(); }
  PoolRef(PoolRef&& other) noexcept : target_(std::exchange(other.target_, nullptr)) {}
  PoolRef& operator=(PoolRef other) noexcept {
    std::swap(target_, other.target_);
    return *this;
  }
  ~PoolRef() { Release(); }

  T* get() const { return target_; }
  T& operator*() const { return *target_; }
  T* operator->() const { return target_; }
  explicit operator bool() const { return target_ != nullptr; }
  void reset() { PoolRef().swap(*this); }
  void swap(PoolRef& other) noexcept { std::swap(target_, other.target_); }

 private:
  static const TextPool& PoolOf(const TextPool& pool) { return pool; }
  static const TextPool& PoolOf(const ParameterConditions& conditions) { return *conditions.pool; }

  void Hold() const {
    if (target_) PoolOf(*target_).holders_.fetch_add(1, std::memory_order_relaxed);
  }
  void Release() {
    if (target_ && PoolOf(*target_).holders_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete &PoolOf(*target_);
  }

  friend class PoolHolds;
  T* target_ = nullptr;
};

using SharedConditions = PoolRef<const ParameterConditions>;

// Holds on a pool counted many at a time: a loader gives a copy of the conditions in
// force to every record it stores, and the atomic step of each copy was a tenth of
// its time. The holds not given out are given back when the reserve goes.
class PoolHolds {
 public:
  PoolHolds() = default;
  PoolHolds(const PoolHolds&) = delete;
  PoolHolds& operator=(const PoolHolds&) = delete;
  ~PoolHolds() { GiveBack(); }

  // A copy of conditions that holds their pool, as copying them does.
  SharedConditions Share(const SharedConditions& conditions) { return Share(*conditions); }
  SharedConditions Share(const ParameterConditions& conditions) {
    if (conditions.pool != pool_ || unused_ == 0) Count(conditions.pool);
    --unused_;
    return SharedConditions(&conditions, SharedConditions::CountedHold{});
  }
  // Empties `shared`; its hold comes back to the reserve when it is on the same pool.
  void TakeBack(SharedConditions& shared) {
    if (!shared || shared->pool != pool_) return shared.reset();
    shared.target_ = nullptr;
    ++unused_;
  }

 private:
  static constexpr size_t kCountedAtOnce = 4096;

  void Count(const TextPool* pool) {
    GiveBack();
    pool->holders_.fetch_add(kCountedAtOnce, std::memory_order_relaxed);
    pool_ = pool;
    unused_ = kCountedAtOnce;
  }
  // With none unused the pool is left alone: it may be gone with its last record.
  void GiveBack() {
    if (unused_ > 0 && pool_->holders_.fetch_sub(unused_, std::memory_order_acq_rel) == unused_) delete pool_;
    pool_ = nullptr;
    unused_ = 0;
  }

  const TextPool* pool_ = nullptr;
  size_t unused_ = 0;
};

// The conditions of list texts as written in the file. Radio options are not
// required: an empty list stands for none in force. They are kept in `pool` (a
// loader shares one pool among all its sections), or in a pool of their own.
SharedConditions MakeConditions(std::string_view table, std::string_view bands, std::string_view models,
                                int16_t hw_version_start, int16_t hw_version_stop, std::string_view radio_options,
                                PoolRef<TextPool> pool = {});

}  // namespace vx4820cal::calparams
