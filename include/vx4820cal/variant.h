#pragma once
// The small value type the host and the component exchange where a field value,
// an index-or-key or a cell can be of several kinds.
#include <cstdint>
#include <string>
#include <variant>

#include "vx4820cal/object.h"

namespace vx4820cal {

class Variant {
 public:
  enum class Kind { Empty, Long, Double, Boolean, Text, Object };

  Variant() = default;
  Variant(int32_t value) : value_(value) {}
  Variant(int16_t value) : value_(static_cast<int32_t>(value)) {}
  Variant(double value) : value_(value) {}
  Variant(bool value) : value_(value) {}
  Variant(std::string value) : value_(std::move(value)) {}
  Variant(const char* value) : value_(std::string(value)) {}
  Variant(ObjectRef value) : value_(std::move(value)) {}
  template <class T>
  Variant(std::shared_ptr<T> value) : value_(ObjectRef(std::move(value))) {}

  Kind GetKind() const { return static_cast<Kind>(value_.index()); }
  bool IsEmpty() const { return GetKind() == Kind::Empty; }
  bool IsNumber() const { return GetKind() == Kind::Long || GetKind() == Kind::Double; }
  bool IsText() const { return GetKind() == Kind::Text; }
  bool IsObject() const { return GetKind() == Kind::Object; }

  int32_t AsLongUnchecked() const { return std::get<int32_t>(value_); }
  double AsDoubleUnchecked() const { return std::get<double>(value_); }
  bool AsBooleanUnchecked() const { return std::get<bool>(value_); }
  const std::string& AsTextUnchecked() const { return std::get<std::string>(value_); }
  const ObjectRef& AsObjectUnchecked() const { return std::get<ObjectRef>(value_); }

  bool operator==(const Variant& other) const = default;

 private:
  std::variant<std::monostate, int32_t, double, bool, std::string, ObjectRef> value_;
};

}  // namespace vx4820cal
