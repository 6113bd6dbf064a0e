#pragma once
// [in, out] arguments: the core works on a local copy, which goes back to the
// caller's place when the operation ends, as by-reference arguments do, also when
// the operation fails after changing it.
#include <cstdint>
#include <memory>
#include <string>

#include "com/bstr_text.h"
#include "com/object_bridge.h"
#include "com/variant_bridge.h"

namespace vx4820cal::com {

class TextInOut {
 public:
  explicit TextInOut(BSTR* place) : place_(place), value(Utf8FromBstr(*place)) {}
  ~TextInOut() {
    try {
      if (value != Utf8FromBstr(*place_)) StoreBstr(place_, value);
    } catch (...) {  // out of memory: the caller keeps its own text
    }
  }
  TextInOut(const TextInOut&) = delete;
  TextInOut& operator=(const TextInOut&) = delete;

 private:
  BSTR* place_;

 public:
  std::string value;
};

// A number kept as the core's type T in the caller's type C (long, short).
template <class T, class C>
class NumberInOut {
 public:
  explicit NumberInOut(C* place) : place_(place), value(static_cast<T>(*place)) {}
  ~NumberInOut() { *place_ = static_cast<C>(value); }
  NumberInOut(const NumberInOut&) = delete;
  NumberInOut& operator=(const NumberInOut&) = delete;

 private:
  C* place_;

 public:
  T value;
};

class BoolInOut {
 public:
  explicit BoolInOut(VARIANT_BOOL* place) : place_(place), value(*place != VARIANT_FALSE) {}
  ~BoolInOut() { *place_ = value ? VARIANT_TRUE : VARIANT_FALSE; }
  BoolInOut(const BoolInOut&) = delete;
  BoolInOut& operator=(const BoolInOut&) = delete;

 private:
  VARIANT_BOOL* place_;

 public:
  bool value;
};

class VariantInOut {
 public:
  explicit VariantInOut(VARIANT* place) : place_(place), value(CoreVariant(*place)) {}
  ~VariantInOut() {
    try {
      if (!(value == CoreVariant(*place_))) StoreVariant(place_, value);
    } catch (...) {  // a value the caller's kind cannot hold: the caller keeps its own
    }
  }
  VariantInOut(const VariantInOut&) = delete;
  VariantInOut& operator=(const VariantInOut&) = delete;

 private:
  VARIANT* place_;

 public:
  Variant value;
};

// An object reference: the core's view T of the caller's I*.
template <class T, class I>
class ObjectInOut {
 public:
  explicit ObjectInOut(I** place) : place_(place), value(CoreAs<T>(*place)), original_(value) {}
  ~ObjectInOut() {
    try {
      if (value != original_) StoreOut(place_, value);
    } catch (...) {  // the new object lacks the caller's interface: the caller keeps its own
    }
  }
  ObjectInOut(const ObjectInOut&) = delete;
  ObjectInOut& operator=(const ObjectInOut&) = delete;

 private:
  I** place_;

 public:
  std::shared_ptr<T> value;

 private:
  std::shared_ptr<T> original_;
};

}  // namespace vx4820cal::com
