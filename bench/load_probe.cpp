// Loads the parameters file of one component folder into a new store in a process of
// its own, as a host does at start-up, and prints what the load cost:
//   load_s     wall time of LoadFile
//   cpu_s      CPU time of LoadFile, on all of its threads
//   peak_kib   growth of the process's peak resident size while loading
//   held_kib   heap allocated once loaded, reserved capacity included
//   records    records loaded
// Usage: vx4820cal_bench_load FOLDER. Exit 1 when the load fails.
#include <malloc.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "calparams/calibration_parameters.h"
#include "vx4820cal/component.h"

namespace {

// The peak resident size of this program's memory (VmHWM). Not getrusage's maxrss:
// that one starts from the spawning process's peak.
long PeakResidentKib() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

size_t HeapInUseBytes() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  vx4820cal::SetComponentFolder(argv[1]);
  const long peak_before = PeakResidentKib();
  const size_t heap_before = HeapInUseBytes();
  auto store = std::make_shared<vx4820cal::clsCalibrationParameters>();
  bool loaded = false;
  const auto start = std::chrono::steady_clock::now();
  const double cpu_start = ProcessCpuSeconds();
  try {
    loaded = store->LoadFile("PARAMETERS");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
  }
  const double cpu = ProcessCpuSeconds() - cpu_start;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long peak_after = PeakResidentKib();
  const size_t heap_after = HeapInUseBytes();
  std::printf("load_s %.9f\ncpu_s %.9f\npeak_kib %ld\nheld_kib %zu\nrecords %zu\n", wall, cpu, peak_after - peak_before,
              (heap_after - heap_before) / 1024, store->Records().size());
  return loaded ? 0 : 1;
}
