#include "cli/demo_transcript.h"

#include <ostream>

namespace vx4820cal::cli {
namespace {

constexpr const char* kIndent = "   ";
constexpr size_t kLabelWidth = 28;

std::string Padded(const std::string& text, size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

}  // namespace

void Transcript::Step(const std::string& title) { out_ << '\n' << ++step_ << ". " << title << '\n'; }

void Transcript::Line(const std::string& label, const std::string& value) {
  out_ << kIndent << Padded(label, kLabelWidth) << value << '\n';
}

void Transcript::Row(const std::vector<std::string>& cells, const std::vector<size_t>& widths) {
  std::string row;
  for (size_t i = 0; i < cells.size(); ++i) {
    row += i + 1 < cells.size() && i < widths.size() ? Padded(cells[i], widths[i]) : cells[i];
  }
  out_ << kIndent << row << '\n';
}

bool Transcript::Expect(bool ok, const std::string& expected) {
  if (!ok) {
    ++surprises_;
    out_ << kIndent << "! not as expected; expected: " << expected << '\n';
  }
  return ok;
}

std::string YesNoText(bool value) { return value ? "True" : "False"; }

std::string Joined(const std::vector<std::string>& texts, const std::string& separator) {
  std::string joined;
  for (size_t i = 0; i < texts.size(); ++i) joined += (i == 0 ? std::string() : separator) + texts[i];
  return joined;
}

}  // namespace vx4820cal::cli
