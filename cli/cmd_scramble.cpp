// scramble / unscramble: the "PCA Set" form of the component's data files.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/command.h"
#include "cli/tool_session.h"
#include "common/codepage.h"
#include "common/common_globals.h"
#include "common/text_file.h"

namespace vx4820cal::cli {
namespace {

std::string ReadInput(const std::string& name) {
  if (name.empty() || name == "-") {
    return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  }
  std::ifstream in(name, std::ios::binary);
  if (!in) throw UsageError{"cannot read " + name};
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteOutput(const std::string& name, const std::string& bytes) {
  if (name.empty() || name == "-") {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    return;
  }
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw UsageError{"cannot write " + name};
}

// Input lines for scrambling end at LF, CR LF or CR.
std::vector<std::string_view> SplitAnyLineEnd(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

struct InOut {
  std::string in;
  std::string out;
};

int Scramble(const Invocation& invocation, const InOut& files) {
  const auto& [in, out] = files;
  std::string input = ReadInput(in);
  ToolSession session(invocation);
  return session.Run([&] {
    std::string output = std::string(kScrambledMarker) + "\r\n";
    for (std::string_view line : SplitAnyLineEnd(input)) {
      output += EncryptString(Cp1252ToUtf8(line));
      output += "\r\n";
    }
    WriteOutput(out, output);
    return kExitOk;
  });
}

int Unscramble(const Invocation& invocation, const InOut& files) {
  const auto& [in, out] = files;
  std::string input = ReadInput(in);
  ToolSession session(invocation);
  return session.Run([&] {
    LineReader lines(input);
    if (lines.AtEnd() || lines.Next() != kScrambledMarker) {
      WriteOutput(out, input);
      return kExitOk;
    }
    std::string output;
    while (!lines.AtEnd()) {
      output += Utf8ToCp1252(DecryptString(lines.Next()));
      output += "\r\n";
    }
    WriteOutput(out, output);
    return kExitOk;
  });
}

std::function<CommandBody(CLI::App&)> WithFiles(int (*run)(const Invocation&, const InOut&)) {
  return [run](CLI::App& app) {
    auto files = std::make_shared<InOut>();
    app.add_option("IN", files->in, "the input file; stdin when omitted or '-'");
    app.add_option("OUT", files->out, "the output file; stdout when omitted or '-'");
    return [run, files](const Invocation& invocation) { return run(invocation, *files); };
  };
}

const bool kRegistered =
    RegisterCommand({"scramble", "Write the \"PCA Set\" scrambled form of a plain data file.",
                     "Reads IN (default: stdin) as Windows-1252 lines ended by LF, CR LF or CR and\n"
                     "writes OUT (default: stdout): the line \"PCA Set\", then each line scrambled,\n"
                     "every line ended by CR LF. '-' names stdin or stdout.\n",
                     WithFiles(Scramble)}) &&
    RegisterCommand({"unscramble", "Write the plain form of a \"PCA Set\" scrambled data file.",
                     "When the first line of IN is exactly \"PCA Set\", every later line is\n"
                     "descrambled and written with CR LF; any other input is copied unchanged.\n"
                     "A line that is not scrambled text is error 13.\n",
                     WithFiles(Unscramble)});

}  // namespace
}  // namespace vx4820cal::cli
