// A program of another project, built against the installed package.
#include <iostream>

#include "vx4820cal/component.h"
#include "vx4820cal/interfaces.h"

int main() {
  auto tier = std::dynamic_pointer_cast<vx4820cal::Itier>(vx4820cal::CreateObject("clsVX4820CALTier"));
  if (!tier) return 1;
  tier->TierName("consumer");
  std::cout << tier->TierName() << '\n';
  return tier->TierName() == "consumer" ? 0 : 1;
}
