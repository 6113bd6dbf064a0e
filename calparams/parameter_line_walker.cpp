#include "calparams/parameter_line_walker.h"

#include <algorithm>

#include "calparams/working_copy.h"
#include "common/batch_ring.h"
#include "common/codepage.h"
#include "common/conversions.h"
#include "common/scrambling.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"

namespace vx4820cal::calparams {
namespace {

// A batch ends at this much decoded text, so that a file of long lines does not
// hold many of them read ahead; room grown past kKeptTextRoom for a long line is
// given back once the batch is taken.
constexpr size_t kBatchTextBytes = size_t{256} << 10;
constexpr size_t kKeptTextRoom = size_t{1} << 20;

}  // namespace

void LineBatch::Clear() {
  entries.clear();
  for (std::string* room : {&texts, &raw_lines}) {
    room->clear();
    if (room->capacity() > kKeptTextRoom) std::string().swap(*room);
  }
  errors.clear();
  failure = nullptr;
  last = false;
}

void ParameterLineWalker::Walk() {
  // A plain source without lines makes a working copy of the marker alone.
  if (options_.plain_source && lines_.AtEnd()) handler_.OnMarkerAtEnd({1, 1, false, {}});
  wants_raw_lines_ = handler_.WantsRawLines();
  WalkInBatches();
}

// The reader stops at the first batch that ends the walk; the handler's side raises
// what the handler or the reading raised.
void ParameterLineWalker::WalkInBatches() {
  ReadInBatches<LineBatch>(
      WorthReadingAhead(lines_.SizeBytes(), options_.read_ahead_from_bytes),
      [&](LineBatch& batch, const TakerPace& pace) {
        FillBatch(batch, pace);
        return !batch.last;
      },
      [&](const LineBatch& batch) { return TakeBatch(batch); });
}

// The reading side.

// The lines are classified here unless the handler's side waits for them already:
// it classifies what the reader leaves, so the two sides share that work as their
// pace on the file at hand allows.
void ParameterLineWalker::FillBatch(LineBatch& batch, const TakerPace& pace) {
  batch.Clear();
  const size_t most_lines = std::max<size_t>(options_.lines_per_batch, 1);
  try {
    while (batch.entries.size() < most_lines && batch.texts.size() < kBatchTextBytes &&
           batch.raw_lines.size() < kBatchTextBytes) {
      if (!ReadLineInto(batch)) {
        batch.last = true;
        break;
      }
    }
  } catch (...) {
    batch.failure = std::current_exception();
    batch.last = true;
  }
  if (!pace.CaughtUp()) ParseBatch(batch);
}

// The next line, decoded, as an entry. A marker line switches the rest of the file to
// the scrambled form and is replaced by the line after it, which must exist. False at
// the end.
bool ParameterLineWalker::ReadLineInto(LineBatch& batch) {
  if (lines_.AtEnd()) return false;
  std::string_view raw = lines_.Next();
  AddRawLine(batch, raw);
  bool follows_marker = false;
  if (!options_.plain_source && raw == kScrambledMarker) {
    reading_scrambled_ = true;
    follows_marker = true;
    if (lines_.AtEnd()) {
      LineBatch::Entry& entry = batch.entries.emplace_back();
      entry.event = LineBatch::Event::kMarkerAtEnd;
      entry.scrambled = true;
      entry.file_line = lines_.LineNumber();
      return false;
    }
    raw = lines_.Next();
    AddRawLine(batch, raw);
  }
  const size_t at = batch.texts.size();
  bool undecodable = false;
  try {
    if (reading_scrambled_) {
      AppendDecryptedText(raw, batch.texts);
    } else {
      AppendCp1252AsUtf8(options_.plain_source ? WorkingCopyLine(raw) : raw, batch.texts);
    }
  } catch (const Error& error) {
    batch.errors.push_back(error);
    undecodable = true;
  }
  lines_.DoneWithLine();
  LineBatch::Entry& entry = batch.entries.emplace_back();
  entry.file_line = lines_.LineNumber();
  entry.scrambled = reading_scrambled_;
  entry.follows_marker = follows_marker;
  if (undecodable) {
    entry.event = LineBatch::Event::kUndecodable;
    entry.at = static_cast<uint32_t>(batch.errors.size() - 1);
  } else {
    entry.at = static_cast<uint32_t>(at);  // a batch ends before its texts pass kBatchTextBytes
    entry.size = batch.texts.size() - at;
  }
  return true;
}

// After the batch's lines are decoded, so that a line's decoding is stored before its
// text is read again as a whole.
void ParameterLineWalker::ParseBatch(LineBatch& batch) {
  for (LineBatch::Entry& entry : batch.entries) {
    if (entry.event != LineBatch::Event::kText || entry.size > LineBatch::kParsedBytes) continue;
    std::string_view text;
    ParsedLineView parsed;
    CutAndParse(std::string_view(batch.texts).substr(entry.at, entry.size), text, parsed);
    auto offset = [&](std::string_view part) {
      return static_cast<uint8_t>(part.empty() ? 0 : part.data() - text.data());
    };
    entry.parsed = true;
    entry.size = text.size();
    entry.kind = parsed.kind;
    entry.key = parsed.key;
    entry.has_equals = parsed.has_equals;
    entry.name_at = offset(parsed.name);
    entry.name_size = static_cast<uint8_t>(parsed.name.size());
    entry.value_at = offset(parsed.value);
    entry.value_size = static_cast<uint8_t>(parsed.value.size());
  }
}

void ParameterLineWalker::AddRawLine(LineBatch& batch, std::string_view raw) {
  if (!wants_raw_lines_) return;
  LineBatch::Entry& entry = batch.entries.emplace_back();
  entry.event = LineBatch::Event::kRawLine;
  entry.scrambled = reading_scrambled_;
  entry.file_line = lines_.LineNumber();
  entry.at = static_cast<uint32_t>(batch.raw_lines.size());  // as texts
  entry.size = raw.size();
  batch.raw_lines.append(raw);
}

// The handler's side.

bool ParameterLineWalker::TakeBatch(const LineBatch& batch) {
  for (const LineBatch::Entry& entry : batch.entries) TakeEntry(batch, entry);
  if (batch.failure) std::rethrow_exception(batch.failure);
  return !batch.last;
}

// The line the entry stands for. Only a decoded line has a text: the text of the line
// before lies in a batch the reader may be filling again.
void ParameterLineWalker::TakeEntry(const LineBatch& batch, const LineBatch::Entry& entry) {
  line_.file_line = entry.file_line;
  line_.scrambled = entry.scrambled;
  line_.text = {};
  if (entry.follows_marker) ++markers_taken_;
  switch (entry.event) {
    case LineBatch::Event::kRawLine:
      handler_.OnRawLine(line_, std::string_view(batch.raw_lines).substr(entry.at, entry.size));
      return;
    case LineBatch::Event::kMarkerAtEnd: handler_.OnMarkerAtEnd(line_); return;
    case LineBatch::Event::kUndecodable:
      line_.source_line = line_.file_line - markers_taken_;
      handler_.OnUndecodable(line_, batch.errors[entry.at]);
      return;
    case LineBatch::Event::kText: break;
  }
  line_.source_line = line_.file_line - markers_taken_;
  const std::string_view text = std::string_view(batch.texts).substr(entry.at, entry.size);
  if (entry.parsed) {
    line_.text = text;
    parsed_.kind = entry.kind;
    parsed_.key = entry.key;
    parsed_.has_equals = entry.has_equals;
    parsed_.name = text.substr(entry.name_at, entry.name_size);
    parsed_.value = text.substr(entry.value_at, entry.value_size);
  } else {
    CutAndParse(text, line_.text, parsed_);
  }
  Take();
}

void ParameterLineWalker::Take() {
  const ParsedLineView& parsed = parsed_;
  switch (parsed.kind) {
    case LineKind::kSectionHeader:
      state_.EnterSection(TableNameOf(line_.text));
      holds_.TakeBack(conditions_);
      handler_.OnSection(line_, state_);
      break;
    case LineKind::kHeaderKey: TakeHeaderKey(parsed); break;
    case LineKind::kBlank: break;
    case LineKind::kParameter:
      if (!conditions_) {
        conditions_ = holds_.Share(KeepConditions(state_.table, state_.bands, state_.models, state_.hw_version_start,
                                                  state_.hw_version_stop, state_.radio_options, *pool_));
      }
      handler_.OnParameter(line_, parsed, conditions_, state_);
      break;
    case LineKind::kInvalid: handler_.OnInvalid(line_); break;
  }
}

// A bad version leaves the state, and with it the conditions in force, as they were.
void ParameterLineWalker::TakeHeaderKey(const ParsedLineView& parsed) {
  try {
    state_.Apply(parsed.key, parsed.value);
  } catch (const Error& error) {
    handler_.OnBadVersion(line_, parsed, error);
    return;
  }
  holds_.TakeBack(conditions_);
  handler_.OnHeaderKey(line_, parsed);
}

void SectionState::EnterSection(std::string name) {
  table = std::move(name);
  bands.clear();
  models.clear();
  hw_version_start = -1;
  hw_version_stop = -1;
}

void SectionState::Apply(HeaderKey key, std::string_view value) {
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
