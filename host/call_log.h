#pragma once
// Every call a simulated host object receives, in order, so tests can assert on them.
#include <string>
#include <vector>

namespace vx4820cal::simhost {

struct HostCall {
  std::string operation;
  std::vector<std::string> args;
};

class CallLog {
 public:
  void Record(std::string operation, std::vector<std::string> args = {}) {
    calls_.push_back({std::move(operation), std::move(args)});
  }
  const std::vector<HostCall>& Calls() const { return calls_; }
  int Count(const std::string& operation) const {
    int count = 0;
    for (const auto& call : calls_) count += call.operation == operation ? 1 : 0;
    return count;
  }
  // The calls to one operation, in order.
  std::vector<HostCall> CallsTo(const std::string& operation) const {
    std::vector<HostCall> found;
    for (const auto& call : calls_) {
      if (call.operation == operation) found.push_back(call);
    }
    return found;
  }
  void Clear() { calls_.clear(); }

 private:
  std::vector<HostCall> calls_;
};

}  // namespace vx4820cal::simhost
