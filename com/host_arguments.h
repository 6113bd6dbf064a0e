#pragma once
// Arguments the core passes by reference to a host operation: a COM copy for the
// call, and the host's value back into the core's variable afterwards (also when
// the call failed, as by-reference arguments behave).
#include <cstdint>
#include <memory>
#include <string>

#include "com/bstr_text.h"
#include "com/object_bridge.h"
#include "com/variant_bridge.h"

namespace vx4820cal::com {

class TextArg {
 public:
  explicit TextArg(std::string& core) : core_(core), text_(BstrFromUtf8(core)) {}
  ~TextArg() {
    try {
      core_ = Utf8FromBstr(text_);
    } catch (...) {  // out of memory: the core keeps its own text
    }
    SysFreeString(text_);
  }
  TextArg(const TextArg&) = delete;
  TextArg& operator=(const TextArg&) = delete;
  BSTR* Place() { return &text_; }

 private:
  std::string& core_;
  BSTR text_;
};

class LongArg {
 public:
  explicit LongArg(int32_t& core) : core_(core), value_(core) {}
  ~LongArg() { core_ = static_cast<int32_t>(value_); }
  LongArg(const LongArg&) = delete;
  LongArg& operator=(const LongArg&) = delete;
  LONG* Place() { return &value_; }

 private:
  int32_t& core_;
  LONG value_;
};

class VariantArg {
 public:
  explicit VariantArg(Variant& core) : core_(core), value_(core) {}
  ~VariantArg() {
    try {
      core_ = value_.Core();
    } catch (...) {  // a kind the core has no value for: the core keeps its own
    }
  }
  VariantArg(const VariantArg&) = delete;
  VariantArg& operator=(const VariantArg&) = delete;
  VARIANT* Place() { return value_.Get(); }

 private:
  Variant& core_;
  ComVariant value_;
};

// An object reference: the host's interface I for the core's view T.
template <class T, class I>
class ObjectArg {
 public:
  explicit ObjectArg(std::shared_ptr<T>& core) : core_(core), raw_(ComAs<I>(core).Detach()), original_(raw_) {}
  ~ObjectArg() {
    try {
      if (raw_ != original_) core_ = CoreAs<T>(raw_);
    } catch (...) {  // the host put an object the core cannot view as T: the core keeps its own
    }
    if (raw_) raw_->Release();
  }
  ObjectArg(const ObjectArg&) = delete;
  ObjectArg& operator=(const ObjectArg&) = delete;
  I** Place() { return &raw_; }

 private:
  std::shared_ptr<T>& core_;
  I* raw_;
  I* original_;
};

// An [out, retval] object: its reference is taken over, then viewed as the core's T.
template <class T, class I, class Call>
std::shared_ptr<T> ObjectResult(Call&& call) {
  ComPtr<I> result;
  Check(call(result.Out()));
  return CoreAs<T>(result.Get());
}

template <class Call>
std::string TextResult(Call&& call) {
  Bstr result;
  Check(call(result.Out()));
  return result.Utf8();
}

template <class Call>
bool BoolResult(Call&& call) {
  VARIANT_BOOL result = VARIANT_FALSE;
  Check(call(&result));
  return result != VARIANT_FALSE;
}

}  // namespace vx4820cal::com
