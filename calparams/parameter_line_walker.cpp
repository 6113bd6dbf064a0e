#include "calparams/parameter_line_walker.h"

#include "calparams/working_copy.h"
#include "common/codepage.h"
#include "common/conversions.h"
#include "common/scrambling.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::calparams {

void ParameterLineWalker::Walk() {
  // A plain source without lines makes a working copy of the marker alone.
  if (plain_source_ && lines_.AtEnd()) handler_.OnMarkerAtEnd({1, 1, false, {}});
  while (NextText()) Take();
}

// The next line, decoded into one buffer kept for the whole file. A marker line
// switches the rest of the file to the scrambled form and is replaced by the line
// after it, which must exist. False at the end.
bool ParameterLineWalker::NextText() {
  while (!lines_.AtEnd()) {
    std::string_view raw = lines_.Next();
    line_.file_line = lines_.LineNumber();
    handler_.OnRawLine(line_, raw);
    if (!plain_source_ && raw == kScrambledMarker) {
      line_.scrambled = true;
      ++marker_lines_;
      if (lines_.AtEnd()) {
        handler_.OnMarkerAtEnd(line_);
        return false;
      }
      raw = lines_.Next();
      line_.file_line = lines_.LineNumber();
      handler_.OnRawLine(line_, raw);
    }
    line_.source_line = line_.file_line - marker_lines_;
    try {
      if (line_.scrambled) {
        DecryptInto(raw, text_);
      } else {
        Cp1252ToUtf8Into(plain_source_ ? WorkingCopyLine(raw) : raw, text_);
      }
    } catch (const Error& error) {
      lines_.DoneWithLine();
      handler_.OnUndecodable(line_, error);
      continue;
    }
    lines_.DoneWithLine();
    CutAndParse(text_, line_.text, parsed_);
    return true;
  }
  return false;
}

void ParameterLineWalker::Take() {
  const ParsedLineView& parsed = parsed_;
  switch (parsed.kind) {
    case LineKind::kSectionHeader:
      state_.EnterSection(TableNameOf(line_.text));
      conditions_.reset();
      handler_.OnSection(line_, state_);
      break;
    case LineKind::kHeaderKey: TakeHeaderKey(parsed); break;
    case LineKind::kBlank: break;
    case LineKind::kParameter:
      if (!conditions_) {
        conditions_ = MakeConditions(state_.table, state_.bands, state_.models, state_.hw_version_start,
                                     state_.hw_version_stop, state_.radio_options, pool_);
      }
      handler_.OnParameter(line_, parsed, conditions_, state_);
      break;
    case LineKind::kInvalid: handler_.OnInvalid(line_); break;
  }
}

// A bad version leaves the state, and with it the conditions in force, as they were.
void ParameterLineWalker::TakeHeaderKey(const ParsedLineView& parsed) {
  try {
    state_.Apply(parsed.key, std::string(parsed.value));
  } catch (const Error& error) {
    handler_.OnBadVersion(line_, parsed, error);
    return;
  }
  conditions_.reset();
  handler_.OnHeaderKey(line_, parsed);
}

void SectionState::EnterSection(std::string name) {
  table = std::move(name);
  bands.clear();
  models.clear();
  hw_version_start = -1;
  hw_version_stop = -1;
}

void SectionState::Apply(HeaderKey key, const std::string& value) {
  switch (key) {
    case HeaderKey::kBands: bands = value; break;
    case HeaderKey::kModels: models = value; break;
    case HeaderKey::kHWversStart: hw_version_start = ToHardwareVersion(value); break;
    case HeaderKey::kHWversStop: hw_version_stop = ToHardwareVersion(value); break;
    case HeaderKey::kRadioOptions: radio_options = value; break;
  }
}

int16_t ToHardwareVersion(std::string_view text) { return NarrowToInteger(TextToLong(text)); }

}  // namespace vx4820cal::calparams
