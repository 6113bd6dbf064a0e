#pragma once
// The user's decimal separator, as the system has it for the user, unless a host or a
// test fixed it for this thread (SetDecimalSymbolOverride).
#include <string>

namespace vx4820cal {

// First character of the user's decimal separator, or "" when it cannot be found.
std::string DecimalSymbol();

}  // namespace vx4820cal
