#pragma once
// Helpers the field-metadata tests share: threads with error reporting armed (and
// the boxes recorded) or unarmed, and records written out as one line each.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/error_convention.h"
#include "host/message_box_recorder.h"
#include "support/test_support.h"
#include "ui/user_fields.h"
#include "vx4820cal/component.h"

namespace vx4820cal::test_support {

struct Reports {
  std::shared_ptr<simhost::MessageBoxRecorder> boxes = std::make_shared<simhost::MessageBoxRecorder>();
  std::shared_ptr<CountingTerminator> terminator = std::make_shared<CountingTerminator>();

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes->Boxes()) texts.push_back(box.text);
    return texts;
  }
};

// A fresh thread that reports as a host-loaded tier does, with "." as the decimal
// separator whatever the machine's locale.
inline void OnArmedThread(const std::function<void(Reports&)>& body) {
  OnFreshThread([&] {
    Reports reports;
    InstallMessageBoxService(reports.boxes);
    SetDecimalSymbolOverride(".");
    InitRaiseError(reports.terminator);
    body(reports);
    InstallMessageBoxService(nullptr);
  });
}

// A fresh thread with reporting unarmed: the first error reaches the test.
inline void OnUnarmedThread(const std::function<void()>& body) {
  OnFreshThread([&] {
    SetDecimalSymbolOverride(".");
    body();
  });
}

// UIID|Label|HelpID|Units|UIWidth|UIWidthDefault|FactAccessLevel|FactButCustVis|
// CustAccessLevel|SpclRestrictions|NavLabel|ATGridID|DecimalSymbol
inline std::string Describe(const clsUserField& field) {
  auto flag = [](bool value) { return std::string(value ? "true" : "false"); };
  return field.UIID() + "|" + field.Label() + "|" + std::to_string(field.HelpID()) + "|" + field.Units() + "|" +
         std::to_string(field.UIWidth()) + "|" + std::to_string(field.UIWidthDefault()) + "|" +
         field.FactAccessLevel() + "|" + flag(field.FactButCustVis()) + "|" + field.CustAccessLevel() + "|" +
         field.SpclRestrictions() + "|" + field.NavLabel() + "|" + field.ATGridID() + "|" + flag(field.DecimalSymbol());
}

inline std::vector<std::string> DescribeAll(const colUserFields& fields) {
  std::vector<std::string> lines;
  fields.ForEach([&](const clsUserField& field) { lines.push_back(Describe(field)); });
  return lines;
}

// The description a reader error carries once its trap has named itself.
inline std::string ReaderError(const std::string& description) {
  return "VX4820CAL: ReadInDataFromTextFile\r\n" + description;
}

}  // namespace vx4820cal::test_support
