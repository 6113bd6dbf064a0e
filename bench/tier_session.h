#pragma once
// A whole host start-up against the simulated host: the messenger with the delegate
// tier "LR2930 Cal" (its provider owner and validator), the host's clsProvInfo class,
// a schema module and a message-box recorder, and the tier created by class name.
#include <chrono>
#include <filesystem>
#include <string>

namespace vx4820cal::bench {

struct StartUp {
  bool initialized = false;
  size_t boxes = 0;                             // message boxes shown (each one an error report)
  std::string first_box;                        // the first one's text
  std::chrono::nanoseconds initialize_time{0};  // Itier::Initialize alone
  double initialize_cpu_seconds = 0;            // the same, CPU time of its thread
};

// Starts the tier on a new thread (whose per-thread state, the field metadata
// included, starts empty) with `folder` as its component folder; times Initialize
// alone, then terminates the tier and releases the host.
StartUp StartTierOnFreshThread(const std::filesystem::path& folder);

}  // namespace vx4820cal::bench
