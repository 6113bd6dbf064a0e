// scramble / unscramble: the "PCA Set" form of the component's data files. A named
// output file is replaced atomically, so IN and OUT may be the same file and a full
// disk leaves the old file as it was.
#include <CLI/CLI.hpp>
#include <iostream>
#include <iterator>
#include <optional>

#include "cli/command.h"
#include "cli/tool_session.h"
#include "cli/why_unreadable.h"
#include "common/atomic_file.h"
#include "common/codepage.h"
#include "common/scrambling.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::cli {
namespace {

bool IsStandardStream(const std::string& name) { return name.empty() || name == "-"; }

std::string NameForPeople(const std::string& name) { return IsStandardStream(name) ? "standard input" : name; }

// The input's bytes; none, diagnosed, when it cannot be read.
std::optional<std::string> ReadInput(ToolSession& session, const std::string& name) {
  if (IsStandardStream(name)) {
    return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  }
  if (std::string why = WhyUnreadable(name); !why.empty()) {
    session.Fail(name + ": " + why);
    return std::nullopt;
  }
  try {
    return ReadFileBytes(name);
  } catch (const std::exception& failure) {
    session.Fail(name + ": cannot be read: " + failure.what());
    return std::nullopt;
  }
}

// Writes the output; a file that cannot be written is diagnosed and left as it was.
int WriteOutput(ToolSession& session, const std::string& name, const std::string& bytes) {
  if (IsStandardStream(name)) {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return kExitOk;  // the session checks that stdout took it
  }
  try {
    calparams::ReplaceFileAtomically(name, bytes);
    return kExitOk;
  } catch (const Error& failure) {
    session.Fail(name + ": cannot be written: " + failure.Description());
  } catch (const std::exception& failure) {
    session.Fail(name + ": cannot be written: " + failure.what());
  }
  return kExitError;
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
  ToolSession session(invocation, ToolSession::Reads::kGivenFiles);
  return session.Run([&] {
    std::optional<std::string> input = ReadInput(session, files.in);
    if (!input) return kExitError;
    std::string output = std::string(kScrambledMarker) + "\r\n";
    for (std::string_view line : SplitAnyLineEnd(*input)) {
      output += EncryptString(Cp1252ToUtf8(line));
      output += "\r\n";
    }
    return WriteOutput(session, files.out, output);
  });
}

int Unscramble(const Invocation& invocation, const InOut& files) {
  ToolSession session(invocation, ToolSession::Reads::kGivenFiles);
  return session.Run([&] {
    std::optional<std::string> input = ReadInput(session, files.in);
    if (!input) return kExitError;
    LineReader lines(*input);
    if (lines.AtEnd() || lines.Next() != kScrambledMarker) return WriteOutput(session, files.out, *input);
    std::string output;
    while (!lines.AtEnd()) {
      std::string_view line = lines.Next();
      std::string text;
      try {
        text = DecryptString(line);
      } catch (const Error&) {
        if (invocation.strict) throw;
        session.Fail(NameForPeople(files.in) + ":" + std::to_string(lines.LineNumber()) +
                     ": the line does not descramble (it is no scrambled text); nothing was written");
        return kExitError;
      }
      output += Utf8ToCp1252(text);
      output += "\r\n";
    }
    return WriteOutput(session, files.out, output);
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
                     "every line ended by CR LF. '-' names stdin or stdout. OUT is replaced only\n"
                     "once the new file is complete, so IN and OUT may be the same file.\n",
                     WithFiles(Scramble)}) &&
    RegisterCommand({"unscramble", "Write the plain form of a \"PCA Set\" scrambled data file.",
                     "When the first line of IN is exactly \"PCA Set\", every later line is\n"
                     "descrambled and written with CR LF; any other input is copied unchanged.\n"
                     "A line that is not scrambled text is named with its line and nothing is\n"
                     "written (exit 1; with --strict, error 13). OUT is replaced as by scramble.\n",
                     WithFiles(Unscramble)});

}  // namespace
}  // namespace vx4820cal::cli
