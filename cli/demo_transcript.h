#pragma once
// The demo's readable record of a host session: numbered steps, aligned label/value
// lines, and a mark at every answer that is not what the session expected.
#include <iosfwd>
#include <string>
#include <vector>

namespace vx4820cal::cli {

class Transcript {
 public:
  explicit Transcript(std::ostream& out) : out_(out) {}

  void Step(const std::string& title);
  void Line(const std::string& label, const std::string& value);
  // Columns padded to the widths given; the last column is not padded.
  void Row(const std::vector<std::string>& cells, const std::vector<size_t>& widths);
  // Returns ok; when it is false, marks what was expected and counts it.
  bool Expect(bool ok, const std::string& expected);
  int Surprises() const { return surprises_; }

 private:
  std::ostream& out_;
  int step_ = 0;
  int surprises_ = 0;
};

std::string YesNoText(bool value);  // "True" / "False", as the host writes Booleans
std::string Joined(const std::vector<std::string>& texts, const std::string& separator);

}  // namespace vx4820cal::cli
