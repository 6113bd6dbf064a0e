#pragma once
// The class object of one creatable class: makes the core object by its class name
// and hands out its COM face.
#include <atomic>
#include <string>

#include "com/com_headers.h"

namespace vx4820cal::com {

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(std::string class_name) : class_name_(std::move(class_name)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  std::string class_name_;
  std::atomic<ULONG> references_{1};
};

}  // namespace vx4820cal::com
