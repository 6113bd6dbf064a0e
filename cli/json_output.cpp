#include "cli/json_output.h"

#include <iostream>

namespace vx4820cal::cli {

void PrintJson(const nlohmann::ordered_json& document) {
  std::cout << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace vx4820cal::cli
