#include "com/variant_bridge.h"

#include "com/bstr_text.h"
#include "com/com_errors.h"
#include "com/object_bridge.h"

namespace vx4820cal::com {
namespace {

Variant Widened(const VARIANT& value) {
  VARIANT wide;
  VariantInit(&wide);
  if (FAILED(VariantChangeType(&wide, const_cast<VARIANT*>(&value), 0, VT_R8))) throw RuntimeError(err::kTypeMismatch);
  return Variant(V_R8(&wide));
}

}  // namespace

Variant CoreVariant(const VARIANT& value) {
  if (V_VT(&value) == (VT_VARIANT | VT_BYREF)) return CoreVariant(*V_VARIANTREF(&value));
  VARIANT plain;
  VariantInit(&plain);
  const VARIANT* v = &value;
  if (V_VT(&value) & VT_BYREF) {
    Check(VariantCopyInd(&plain, const_cast<VARIANT*>(&value)));
    v = &plain;
  }
  Variant out;
  switch (V_VT(v)) {
    case VT_EMPTY:
    case VT_NULL: break;
    case VT_I2: out = Variant(static_cast<int32_t>(V_I2(v))); break;
    case VT_I4: out = Variant(static_cast<int32_t>(V_I4(v))); break;
    case VT_UI1: out = Variant(static_cast<int32_t>(V_UI1(v))); break;
    case VT_R8: out = Variant(V_R8(v)); break;
    case VT_BOOL: out = Variant(V_BOOL(v) != VARIANT_FALSE); break;
    case VT_BSTR: out = Variant(Utf8FromBstr(V_BSTR(v))); break;
    case VT_DISPATCH: out = Variant(CoreFromCom(V_DISPATCH(v))); break;
    case VT_UNKNOWN: out = Variant(CoreFromCom(V_UNKNOWN(v))); break;
    default: out = Widened(*v); break;
  }
  VariantClear(&plain);
  return out;
}

void StoreVariant(VARIANT* place, const Variant& value) {
  VariantClear(place);
  switch (value.GetKind()) {
    case Variant::Kind::Empty: break;
    case Variant::Kind::Long:
      V_VT(place) = VT_I4;
      V_I4(place) = value.AsLongUnchecked();
      break;
    case Variant::Kind::Double:
      V_VT(place) = VT_R8;
      V_R8(place) = value.AsDoubleUnchecked();
      break;
    case Variant::Kind::Boolean:
      V_VT(place) = VT_BOOL;
      V_BOOL(place) = value.AsBooleanUnchecked() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case Variant::Kind::Text:
      V_BSTR(place) = BstrFromUtf8(value.AsTextUnchecked());
      V_VT(place) = VT_BSTR;
      break;
    case Variant::Kind::Object: {
      ComPtr<IUnknown> face = ComFromCore(value.AsObjectUnchecked());
      ComPtr<IDispatch> dispatch = face.As<IDispatch>(IID_IDispatch);
      if (dispatch || !face) {
        V_VT(place) = VT_DISPATCH;
        V_DISPATCH(place) = dispatch.Detach();
      } else {
        V_VT(place) = VT_UNKNOWN;
        V_UNKNOWN(place) = face.Detach();
      }
      break;
    }
  }
}

}  // namespace vx4820cal::com
