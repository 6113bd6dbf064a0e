#pragma once
// Runs another program and waits for it: the `wc -l` reference the figures are
// compared with, and the memory probe, which needs a process of its own.
#include <map>
#include <string>
#include <vector>

namespace vx4820cal::bench {

struct ProcessResult {
  int status = -1;  // the exit status; -1 when it could not run or did not exit
  std::string out;  // its standard output, when asked for
};

// args[0] is looked up in PATH. Standard input is /dev/null; standard output is
// captured when capture_output is set and discarded otherwise.
ProcessResult RunProcess(const std::vector<std::string>& args, bool capture_output);

// The "NAME VALUE" lines a probe prints, by name.
std::map<std::string, double> ProbeValues(const std::string& output);

}  // namespace vx4820cal::bench
