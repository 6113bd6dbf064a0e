#pragma once
// Using an object reference as the run time does: a reference that holds nothing
// fails with 91, a view as an interface the object lacks fails with 13.
#include <memory>

#include "vx4820cal/error.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

template <class T>
const std::shared_ptr<T>& Required(const std::shared_ptr<T>& reference) {
  if (!reference) throw RuntimeError(err::kObjectNotSet);
  return reference;
}

template <class I, class T>
std::shared_ptr<I> ViewAs(const std::shared_ptr<T>& reference) {
  if (!reference) throw RuntimeError(err::kObjectNotSet);
  auto view = std::dynamic_pointer_cast<I>(reference);
  if (!view) throw RuntimeError(err::kTypeMismatch);
  return view;
}

}  // namespace vx4820cal
