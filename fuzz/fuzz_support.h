#pragma once
// What every fuzz target shares: a component folder of its own on a memory-backed
// file system, unarmed error reporting, and the line between an error the component
// raises by design (an expected outcome) and a finding (anything else).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "vx4820cal/error.h"

namespace vx4820cal::fuzz {

// The fuzzer's component folder, made once per process and set for this thread; no
// message box may ever show (reporting stays unarmed), so one aborts the run.
const std::filesystem::path& ComponentFolderForFuzzing();

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
void RemoveFile(const std::filesystem::path& path);

inline std::string_view AsText(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// A broken invariant: print what and stop, so libFuzzer keeps the input.
[[noreturn]] void Finding(std::string_view what);

// Runs action; a component error is an answer like any other. Returns its number,
// or -1 when action raised none.
template <class Action>
int32_t ErrorNumberOrNone(Action&& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.Number();
  }
  return -1;
}

}  // namespace vx4820cal::fuzz
