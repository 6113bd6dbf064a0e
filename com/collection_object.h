#pragma once
// The core's general collection as a COM object (Icollection), and a collection the
// caller supplies to be filled.
#include "com/dispatch_object.h"
#include "vx4820cal/collection.h"

namespace vx4820cal::com {

using CollectionBase = DispatchObject<Collection, ::Icollection>;

class CollectionObject final : public CollectionBase {
 public:
  using CollectionBase::CollectionBase;

  HRESULT STDMETHODCALLTYPE Item(VARIANT* Index, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE Add(VARIANT* Item, VARIANT* Key, VARIANT* Before, VARIANT* After) override;
  HRESULT STDMETHODCALLTYPE Count(LONG* out) override;
  HRESULT STDMETHODCALLTYPE Remove(VARIANT* Index) override;
  HRESULT STDMETHODCALLTYPE _NewEnum(IUnknown** out) override;
};

// A collection supplied by the caller ([in, out]) that the core fills: the core fills
// the collection itself when it is one of ours, else a fresh one whose elements are
// then added to the caller's; none gets the fresh one.
class CallerCollection {
 public:
  explicit CallerCollection(::Icollection** place);
  ~CallerCollection() noexcept(false);
  CallerCollection(const CallerCollection&) = delete;
  CallerCollection& operator=(const CallerCollection&) = delete;

  std::shared_ptr<Collection> value;

 private:
  ::Icollection** place_;
  bool foreign_ = false;
};

}  // namespace vx4820cal::com
