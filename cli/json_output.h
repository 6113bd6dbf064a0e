#pragma once
// The JSON form of a command's output: one document on stdout.
#include <nlohmann/json.hpp>

namespace vx4820cal::cli {

// Writes the document, indented, and a line end. Text that is no valid UTF-8 (never
// made by the tool, which decodes every file) is written with replacement characters.
void PrintJson(const nlohmann::ordered_json& document);

}  // namespace vx4820cal::cli
