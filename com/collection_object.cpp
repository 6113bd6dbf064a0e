#include "com/collection_object.h"

#include <exception>

#include "com/enum_variant_object.h"
#include "com/variant_bridge.h"
#include "vx4820cal/snapshot_enumerator.h"

namespace vx4820cal::com {
namespace {

bool Given(const VARIANT* argument) { return argument && V_VT(argument) != VT_ERROR && V_VT(argument) != VT_EMPTY; }

}  // namespace

HRESULT CollectionObject::Item(VARIANT* Index, VARIANT* out) {
  if (!Index || !out) return E_POINTER;
  VariantInit(out);
  return Run([&] { StoreVariant(out, core().Item(CoreVariant(*Index))); });
}

HRESULT CollectionObject::Add(VARIANT* Item, VARIANT* Key, VARIANT* Before, VARIANT* After) {
  if (!Item) return E_POINTER;
  return Run([&] {
    // Only the forms the component's collections know: at the end or before a position.
    if (Given(After)) throw RuntimeError(err::kInvalidArgument);
    std::string key;
    if (Given(Key)) {
      Variant text = CoreVariant(*Key);
      if (!text.IsText()) throw RuntimeError(err::kTypeMismatch);
      key = text.AsTextUnchecked();
    }
    int32_t before = 0;
    if (Given(Before)) {
      Variant position = CoreVariant(*Before);
      if (position.GetKind() != Variant::Kind::Long) throw RuntimeError(err::kTypeMismatch);
      before = position.AsLongUnchecked();
    }
    core().Add(CoreVariant(*Item), key, before);
  });
}

HRESULT CollectionObject::Count(LONG* out) {
  if (!out) return E_POINTER;
  *out = core().Count();
  return S_OK;
}

HRESULT CollectionObject::Remove(VARIANT* Index) {
  if (!Index) return E_POINTER;
  return Run([&] { core().Remove(CoreVariant(*Index)); });
}

HRESULT CollectionObject::_NewEnum(IUnknown** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Run([&] { *out = ComFromCore(EnumerateSnapshot(core())).Detach(); });
}

CallerCollection::CallerCollection(::Icollection** place) : place_(place) {
  ObjectRef core = CoreFromCom(*place);
  value = std::dynamic_pointer_cast<Collection>(core);
  foreign_ = *place && !value;
  if (!value) value = std::make_shared<Collection>();
}

CallerCollection::~CallerCollection() noexcept(false) {
  if (!*place_) {
    StoreOut(place_, value);
    return;
  }
  if (!foreign_ || std::uncaught_exceptions() > 0) return;
  value->ForEach([&](const Variant& item) {
    ComVariant element(item);
    VARIANT none;
    VariantInit(&none);
    V_VT(&none) = VT_ERROR;
    V_ERROR(&none) = DISP_E_PARAMNOTFOUND;
    Check((*place_)->Add(element.Get(), &none, &none, &none));
  });
}

}  // namespace vx4820cal::com
