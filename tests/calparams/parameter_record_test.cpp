// The parameter record: list forms, filling and its checks, weighting, matching, and
// the errors of a record that was never filled.
#include <gtest/gtest.h>

#include <functional>

#include "calparams/calibration_parameter.h"
#include "calparams/parameter_conditions.h"
#include "common/error_convention.h"
#include "host/message_box_recorder.h"
#include "support/test_support.h"

namespace vx4820cal {
namespace {

using calparams::IsDefaultList;
using calparams::ListForm;
using test_support::OnFreshThread;

TEST(ListForm, CommaFramedTrimmedPiecesKeepingCaseDuplicatesAndEmptyOnes) {
  struct Case {
    const char* text;
    const char* form;
  } cases[] = {
      {"H5, H6", ",H5,H6,"}, {"A,,B", ",A,,B,"},    {"", ","},        {" ", ",,"},
      {",", ",,,"},          {"h5 ,H5", ",h5,H5,"}, {"\tA", ",\tA,"}, {"LR2930 Cal", ",LR2930 Cal,"},
  };
  for (const Case& c : cases) EXPECT_EQ(ListForm(c.text), c.form) << '"' << c.text << '"';
}

TEST(IsDefaultList, OnlyTheWholeEntryAnywhereInTheList) {
  struct Case {
    const char* upper_form;
    bool is_default;
  } cases[] = {{",DEFAULT,", true},   {",H5,DEFAULT,", true}, {",DEFAULT,H5,", true}, {",,DEFAULT,,", true},
               {",DEFAULTS,", false}, {",XDEFAULT,", false},  {",DEFAUL,", false},    {",", false}};
  for (const Case& c : cases) EXPECT_EQ(IsDefaultList(c.upper_form), c.is_default) << c.upper_form;
}

// Fills a record from the file's texts with "." as the decimal separator unless the
// caller sets another; the value as stored comes back in value.
clsCalibrationParameter Filled(const std::string& bands, const std::string& models, const std::string& options,
                               std::string value = "1", int16_t start = 0, int16_t stop = 9999,
                               const std::string& table = "BandLimits", const std::string& name = "TCXO") {
  clsCalibrationParameter record(7);
  record.SetParameterInformation(table, name, bands, models, start, stop, options, value);
  return record;
}

TEST(ParameterRecord, WeightingCountsFourForBandTwoForModelOneForRadioOption) {
  struct Case {
    const char *bands, *models, *options;
    int32_t weighting;
  } cases[] = {
      {"DEFAULT", "DEFAULT", "DEFAULT", 0},
      {"DEFAULT", "DEFAULT", "Opt", 1},
      {"DEFAULT", "M", "DEFAULT", 2},
      {"DEFAULT", "M", "Opt", 3},
      {"H5", "DEFAULT", "DEFAULT", 4},
      {"H5", "default", "Opt", 5},
      {"H5", "M", "Default", 6},
      {"H5", "M", "Opt", 7},
      // DEFAULT beside other entries still makes a default list; a longer word does not.
      {"H5, default", "M", "Opt", 3},
      {"DEFAULTS", "DEFAULT", "", 5},
  };
  for (const Case& c : cases) {
    clsCalibrationParameter record = Filled(c.bands, c.models, c.options);
    EXPECT_EQ(record.GetWeighting(), c.weighting) << c.bands << " / " << c.models << " / " << c.options;
    EXPECT_EQ(record.IsBandDefault(), (c.weighting & 4) == 0);
    EXPECT_EQ(record.IsModelDefault(), (c.weighting & 2) == 0);
    EXPECT_EQ(record.IsRadioOptionDefault(), (c.weighting & 1) == 0);
  }
}

TEST(ParameterRecord, DecimalValueTakesTheUsersSeparatorOthersStayAsWritten) {
  struct Case {
    const char* separator;
    const char* written;
    const char* stored;
  } cases[] = {
      {",", "12.8", "12,8"}, {",", "-.5", "-,5"},   {",", "12", "12"},    {",", "1.2.3", "1.2.3"},
      {",", "+1.5", "+1.5"}, {".", "12.8", "12.8"}, {"", "12.8", "12.8"},  // unknown separator: unchanged
  };
  for (const Case& c : cases) {
    SetDecimalSymbolOverride(std::string(c.separator));
    std::string value = c.written;
    clsCalibrationParameter record(1);
    record.SetParameterInformation("T", "N", "DEFAULT", "DEFAULT", 0, 9999, "DEFAULT", value);
    EXPECT_EQ(record.GetValue(), c.stored) << c.written << " with '" << c.separator << "'";
    EXPECT_EQ(value, c.stored) << "the caller's value receives the stored form";
  }
  SetDecimalSymbolOverride(std::nullopt);
}

TEST(ParameterRecord, RefusesIncompleteDataBeforeStoringAnything) {
  struct Case {
    const char* what;
    const char *table, *name, *bands, *models;
    int16_t start, stop;
    const char* value;
  } cases[] = {
      {"no table", "", "N", "B", "M", 0, 9999, "1"},
      {"no name", "T", "", "B", "M", 0, 9999, "1"},
      {"no bands", "T", "N", "", "M", 0, 9999, "1"},
      {"no models", "T", "N", "B", "", 0, 9999, "1"},
      {"no value", "T", "N", "B", "M", 0, 9999, ""},
      {"start unset", "T", "N", "B", "M", -1, 9999, "1"},
      {"stop unset", "T", "N", "B", "M", 0, -1, "1"},
      {"stop too high", "T", "N", "B", "M", 0, 10000, "1"},
      {"start too high", "T", "N", "B", "M", 10000, 10000, "1"},
  };
  for (const Case& c : cases) {
    clsCalibrationParameter record(3);
    std::string value = c.value;
    try {
      record.SetParameterInformation(c.table, c.name, c.bands, c.models, c.start, c.stop, "DEFAULT", value);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 0) << c.what;
      EXPECT_EQ(error.Source(), "clsCalibrationParameter.SetParameterInformation") << c.what;
      EXPECT_EQ(error.Description(), "VX4820CAL: SetParameterInformation\r\nInvalid Parameter Data") << c.what;
    }
    EXPECT_FALSE(record.IsFilled()) << c.what;
    EXPECT_EQ(record.Weighting(), -1) << c.what;
  }
  // Neither the radio options nor the order of the two versions are checked.
  clsCalibrationParameter record = Filled("B", "M", "", "1", 20, 10);
  EXPECT_TRUE(record.IsFilled());
}

TEST(ParameterRecord, MatchesTableVersionBandModelAndRadioOptionAsSpecified) {
  clsCalibrationParameter specific = Filled("H5, h6", "LR2930 Cal", "Opt A, ", "1", 5, 20);
  clsCalibrationParameter defaults = Filled("Default", "DEFAULT", "default");
  clsCalibrationParameter reversed = Filled("DEFAULT", "DEFAULT", "DEFAULT", "1", 20, 10);
  clsCalibrationParameter no_options = Filled("DEFAULT", "DEFAULT", "");
  clsCalibrationParameter prefixed = Filled("DEFAULTX", "DEFAULT", "DEFAULT");
  struct Case {
    const clsCalibrationParameter* record;
    const char *band, *model;
    int16_t version;
    const char *table, *option;
    bool match;
  } cases[] = {
      {&specific, "H5", "LR2930 Cal", 5, "BandLimits", "Opt A", true},
      {&specific, "H6", "lr2930 cal", 20, " bandlimits ", "OPT A", true},  // case and table spaces ignored
      {&specific, "H5", "LR2930 Cal", 4, "BandLimits", "Opt A", false},    // below the range
      {&specific, "H5", "LR2930 Cal", 21, "BandLimits", "Opt A", false},   // above it
      {&specific, " H5", "LR2930 Cal", 5, "BandLimits", "Opt A", false},   // the band asked is not trimmed
      {&specific, "H5", "LR2930", 5, "BandLimits", "Opt A", false},
      {&specific, "H5", "LR2930 Cal", 5, "BandLimits", "", true},  // the list's empty entry
      {&specific, "H5", "LR2930 Cal", 5, "BandLimits", "Opt B", false},
      {&specific, "H5,h6", "LR2930 Cal", 5, "BandLimits", "Opt A", true},  // neighbouring pieces
      {&specific, "H5", "LR2930 Cal", 5, "Band Limits", "Opt A", false},
      {&defaults, "anything", "any", 9999, "BandLimits", "", true},
      {&defaults, "A4", "M", 0, "BandLimits", "x", true},
      {&reversed, "A4", "M", 15, "BandLimits", "x", false},
      {&no_options, "A4", "M", 0, "BandLimits", "", false},
      {&no_options, "A4", "M", 0, "BandLimits", "DEFAULT", false},
      {&prefixed, "A4", "M", 0, "BandLimits", "x", false},
      {&prefixed, "DEFAULTX", "M", 0, "BandLimits", "x", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.record->IsMatch(c.band, c.model, c.version, c.table, c.option), c.match)
        << c.band << " / " << c.model << " / " << c.version << " / '" << c.table << "' / " << c.option;
  }
}

TEST(ParameterRecord, MatchRefusesIncompleteArgumentsAndUnfilledRecords) {
  clsCalibrationParameter record = Filled("DEFAULT", "DEFAULT", "DEFAULT");
  clsCalibrationParameter unfilled(4);
  struct Case {
    const clsCalibrationParameter* record;
    const char *band, *model;
    int16_t version;
    const char* table;
  } cases[] = {
      {&record, "", "M", 0, "BandLimits"},
      {&record, "B", "", 0, "BandLimits"},
      {&record, "B", "M", 0, ""},
      {&record, "B", "M", -1, "BandLimits"},
      {&record, "B", "M", 10000, "BandLimits"},
      {&unfilled, "B", "M", 0, "BandLimits"},
  };
  for (const Case& c : cases) {
    try {
      c.record->IsMatch(c.band, c.model, c.version, c.table, "");
      ADD_FAILURE() << "no error for " << c.band << "/" << c.model << "/" << c.version << "/" << c.table;
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 0);
      EXPECT_EQ(error.Source(), "clsCalibrationParameter.IsMatch");
      EXPECT_EQ(error.Description(), "VX4820CAL: IsMatch\r\nInvalid data");
    }
  }
}

TEST(ParameterRecord, UnfilledRecordFailsEveryReadWithItsOwnError) {
  clsCalibrationParameter unfilled(9);
  struct Case {
    const char* procedure;
    const char* description;
    std::function<void()> call;
  } cases[] = {
      {"IsBandDefault", "Invalid Band", [&] { unfilled.IsBandDefault(); }},
      {"IsModelDefault", "Invalid Model", [&] { unfilled.IsModelDefault(); }},
      {"IsRadioOptionDefault", "Invalid Radio Option", [&] { unfilled.IsRadioOptionDefault(); }},
      {"GetValue", "Invalid Value", [&] { unfilled.GetValue(); }},
      {"GetWeighting", "Value not set", [&] { unfilled.GetWeighting(); }},
      {"GetParameterName", "Value not set", [&] { unfilled.GetParameterName(); }},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.procedure << " raised nothing";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 0) << c.procedure;
      EXPECT_EQ(error.Source(), std::string("clsCalibrationParameter.") + c.procedure);
      EXPECT_EQ(error.Description(), std::string("VX4820CAL: ") + c.procedure + "\r\n" + c.description);
    }
  }
}

TEST(ParameterRecord, ReportedErrorsLeaveDefaultAnswersAndTheRecordUnchanged) {
  OnFreshThread([] {
    auto boxes = std::make_shared<simhost::MessageBoxRecorder>();
    InstallMessageBoxService(boxes);
    auto terminator = std::make_shared<test_support::CountingTerminator>();
    InitRaiseError(terminator);
    clsCalibrationParameter record(2);
    std::string value = "1";
    record.SetParameterInformation("", "N", "B", "M", 0, 1, "", value);
    EXPECT_FALSE(record.IsFilled());
    EXPECT_FALSE(record.IsMatch("B", "M", 0, "T", ""));
    EXPECT_FALSE(record.IsBandDefault());
    EXPECT_EQ(record.GetValue(), "");
    EXPECT_EQ(record.GetWeighting(), 0);
    EXPECT_EQ(record.GetParameterName(), "");
    ASSERT_EQ(boxes->Boxes().size(), 6u);
    EXPECT_EQ(boxes->Boxes()[0].text, "VX4820CAL: SetParameterInformation\r\nInvalid Parameter Data");
    EXPECT_EQ(boxes->Boxes()[1].text, "VX4820CAL: IsMatch\r\nInvalid data");
    EXPECT_EQ(terminator->calls, 6);
    InstallMessageBoxService(nullptr);
  });
}

}  // namespace
}  // namespace vx4820cal
