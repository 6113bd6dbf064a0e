// demo: one whole host session against the simulated host, printed as a transcript.
// The session is a host like any other: it loads the component's library with dlopen
// and reaches the component only through the ComponentApi.

#include <iostream>
#include <memory>
#include <stdexcept>

#include "cli/cmd_params_common.h"
#include "cli/demo_host.h"
#include "cli/demo_transcript.h"
#include "cli/terminal_message_boxes.h"
#include "cli/tool_location.h"
#include "cli/tool_session.h"
#include "common/message_box.h"
#include "host/host_queries.h"

namespace vx4820cal::cli {
namespace {

using simhost::HostSession;

const std::vector<std::string> kDemoFields = {"Band_r5k", "RSSI_DELTA_GAIN_VALUES", "TX_POWER_HIGH"};
const std::vector<std::string> kDemoTableNames = {"PowerSetPointLow", "PowerSetPointHigh", "PaBiasDac"};

bool HoldsParametersFile(const std::filesystem::path& folder) {
  std::error_code ignored;
  const std::string base = kDefaultParametersName;
  return std::filesystem::exists(folder / (base + ".ini"), ignored) ||
         std::filesystem::exists(folder / (base + ".dat"), ignored);
}

// The folder the session reads: the one --dir names; else the default folder when it
// holds a parameters file, else the sample data installed with the tool, so that an
// installed tool shows a session out of the box.
Invocation WithSessionFolder(Invocation invocation) {
  if (invocation.dir_given || HoldsParametersFile(invocation.dir)) return invocation;
  if (std::filesystem::path sample_data = InstalledSampleData(); !sample_data.empty()) invocation.dir = sample_data;
  return invocation;
}

std::string AnswerText(int32_t answer) {
  if (answer == kAnswerYes) return "Yes";
  if (answer == kAnswerNo) return "No";
  return "answer " + std::to_string(answer);
}

std::string RangesText(const simhost::FrequencyRanges& r) {
  return std::to_string(r.rx_min) + "-" + std::to_string(r.rx_max) + " / " + std::to_string(r.tx_min) + "-" +
         std::to_string(r.tx_max) + "  divisor " + r.divisor;
}

class Demo {
 public:
  Demo(HostSession& session, Transcript& transcript) : session_(session), host_(session.Host()), t_(transcript) {}

  void Run() {
    CreateTier();
    if (Initialize()) {
      ShowBands();
      ShowFrequencyRanges();
      ShowParameterTable();
      ShowFieldMetadata();
      AddRecord();
      ConfirmProgramming();
      ChangeForm();
    }
    TerminateAndRelease();
  }

 private:
  Itier& Tier() { return *session_.Tier(); }
  const simhost::TierObjects& Objects() { return session_.Objects(); }

  void CreateTier() {
    t_.Step("Create the tier by class name");
    session_.CreateTier();
    t_.Line("CreateObject", std::string(simhost::kTierClassName) + ": a tier");
    t_.Line("TerminateApplication", "subscribed by the host");
  }

  bool Initialize() {
    t_.Step("Initialize with the host's validator, messenger and schema module");
    bool initialised = session_.Initialize();
    t_.Line("Initialize", YesNoText(initialised));
    t_.Line("tier key", Tier().TierKey());
    t_.Line("schema file", Joined(host_.schema_module->SchemaFilePaths(), ", "));
    if (!t_.Expect(initialised, "Initialize returns True (without it the session stops here)")) return false;
    t_.Expect(Tier().TierKey() == DemoTierKey(), "the tier key " + DemoTierKey());
    const simhost::TierObjects& objects = session_.FetchObjects();
    bool all = objects.provider_owner && objects.schema && objects.user_interface && objects.validator;
    t_.Line("owned objects", all ? "provider owner, schema, user interface, validator" : "incomplete");
    return t_.Expect(all, "the four owned objects");
  }

  void ShowBands() {
    t_.Step(std::string("Band list of the current provider (field ") + kDemoBandField + ")");
    std::shared_ptr<IprovInfo> current = Tier().CurrentProvInfo();
    t_.Line("current provider", current ? current->Key() : "none");
    simhost::ComboItems combo =
        simhost::AskComboItems(*Objects().provider_owner, Tier().CurrentProvider(), kDemoBandField);
    t_.Line("GetComboItemsByUIID", YesNoText(combo.answer));
    for (const std::string& item : combo.items) t_.Row({"", item}, {4});
    std::vector<std::string> expected = {"Undefined"};
    for (const DemoBand& band : DemoBands()) expected.push_back(band.text);
    t_.Expect(combo.answer && combo.items == expected, "True, \"Undefined\" and the delegate's bands");
  }

  void ShowFrequencyRanges() {
    t_.Step("Frequency ranges, Rx / Tx in kHz (answered by \"LR2930 Cal\")");
    IproviderOwner& owner = *Objects().provider_owner;
    for (const DemoBand& band : DemoBands()) {
      simhost::FrequencyRanges ranges = simhost::AskFrequencyRanges(owner, band.number);
      t_.Line("band " + std::to_string(band.number), RangesText(ranges));
      t_.Expect(ranges == band.ranges, "the delegate's ranges for band " + std::to_string(band.number));
    }
    simhost::FrequencyRanges current = simhost::AskCurrentFrequencyRanges(owner);
    t_.Line("current provider's band", RangesText(current));
    for (const DemoBand& band : DemoBands()) {
      if (band.number == kDemoCurrentBand) t_.Expect(current == band.ranges, "the ranges of band 3");
    }
  }

  void ShowParameterTable() {
    const DemoRadio& radio = DemoConnectedRadio();
    t_.Step(std::string("Parameter table \"") + kDemoTable + "\" for the connected radio");
    t_.Line("connected radio",
            radio.model + ", band " + radio.band + ", hardware " + radio.hw_version + ", option " + radio.radio_option);
    std::shared_ptr<IcalParameters> store = host_.delegate->ReceivedCalParameters();
    if (!t_.Expect(store != nullptr, "the delegate tier holds the parameter store")) return;
    std::shared_ptr<Itier> tier = session_.Tier();
    std::shared_ptr<Collection> table = store->GetTableForConnectedRadio(tier, kDemoTable);
    if (!t_.Expect(table != nullptr, "a table")) return;
    t_.Line("entries", std::to_string(table->Count()));
    std::vector<std::string> values = simhost::TableValues(table, kDemoTableNames);
    for (size_t i = 0; i < values.size(); ++i) t_.Line(kDemoTableNames[i], values[i]);
  }

  void ShowFieldMetadata() {
    t_.Step("Field metadata");
    const std::vector<size_t> widths = {24, 28, 7, 7, 7};
    t_.Row({"UIID", "label", "units", "width", "help", "grid"}, widths);
    for (const std::string& uiid : kDemoFields) {
      simhost::FieldMetadata field = simhost::AskFieldMetadata(*Objects().user_interface, uiid);
      if (!field.defined) {
        t_.Row({uiid, "(not in the UI field data file)"}, widths);
        continue;
      }
      t_.Row({uiid, field.label, field.units, std::to_string(field.width), std::to_string(field.help_id),
              field.grid.empty() ? "-" : field.grid},
             widths);
    }
  }

  void AddRecord() {
    t_.Step(std::string("Add a record to the grid ") + kDemoGrid);
    int32_t item = 1, count = 4;
    bool allowed = Objects().validator->AddRecord(item, count);
    t_.Line("AddRecord(1, 4)", YesNoText(allowed) + " (asked of \"LR2930 Cal\")");
    std::shared_ptr<Iprovider> provider = Tier().CurrentProvider();
    std::string grid = kDemoGrid;
    bool processed = Objects().provider_owner->PostAddProcessing(provider, grid);
    t_.Line("PostAddProcessing", YesNoText(processed));
    t_.Expect(allowed && processed, "True from both: a grid the tier knows");
  }

  // The answer of the messenger box shown since `before` boxes, 0 when none was.
  int32_t AnswerSince(size_t before) const {
    const std::vector<int32_t>& answers = host_.messenger->Answers();
    return answers.size() > before ? answers.back() : 0;
  }

  void ConfirmProgramming() {
    t_.Step("Program the radio: the overwrite confirmation");
    size_t before = host_.messenger->Answers().size();
    bool go = Objects().validator->RunPreProgramValidation();
    int32_t answer = AnswerSince(before);
    t_.Line("CAL DATA OVERWRITE WARNING", AnswerText(answer));
    t_.Line("RunPreProgramValidation", YesNoText(go));
    t_.Expect(go == (answer == kAnswerYes), "True exactly when the answer is Yes");
  }

  void ChangeForm() {
    t_.Step(std::string("Leave the form ") + kDemoForm + ": refused once; reconnect and retry");
    size_t before = host_.messenger->Answers().size();
    std::string form = kDemoForm;
    bool changed = Objects().validator->FormValidationByFormName(form, true);
    int32_t retry = AnswerSince(before);
    const simhost::CallLog& log = host_.messenger->Log();
    std::vector<std::string> ports;
    for (const simhost::HostCall& call : log.CallsTo("PortCommand")) ports.push_back(Joined(call.args, " on port "));
    int checks = host_.delegate_validator->Log().Count("FormValidationByFormName");
    t_.Line("form checks", std::to_string(checks) + " by \"LR2930 Cal\"");
    t_.Line("Form change failed", AnswerText(retry));
    t_.Line("PortCommand", ports.empty() ? "none" : Joined(ports, ", "));
    t_.Line("ReportFailure", std::to_string(log.Count("ReportFailure")) + " call(s)");
    t_.Line("FormValidationByFormName", YesNoText(changed));
    std::vector<std::string> reconnect = {std::string("0 on port ") + kDemoCommPort,
                                          std::string("1 on port ") + kDemoCommPort};
    if (retry == kAnswerYes) {
      t_.Expect(changed && checks == 2 && ports == reconnect && log.Count("ReportFailure") == 0,
                "True after a reconnect on the port setting, no failure reported");
    } else {
      t_.Expect(!changed && checks == 1 && ports.empty() && log.Count("ReportFailure") == 1,
                "False, the failure reported once, no reconnect");
    }
  }

  void TerminateAndRelease() {
    t_.Step("Terminate and release");
    if (session_.Tier() && session_.Objects().provider_owner) ShowTerminate();
    session_.End();
    int alive = host_.tier_data->LiveRecords();
    t_.Line("released", "tier, delegate, messenger; " + std::to_string(alive) + " provider-info record(s) alive");
    t_.Expect(alive == 0, "every provider-info record released");
  }

  void ShowTerminate() {
    session_.Terminate();
    Itier& tier = Tier();
    bool none = !tier.ProviderOwner() && !tier.Schema() && !tier.UserInterface() && !tier.Validator();
    t_.Line("owned objects", none ? "none" : "still held");
    t_.Line("tier name, key", tier.TierName() + ", " + tier.TierKey());
    bool messenger = tier.Messenger() == host_.messenger;
    t_.Line("messenger", messenger ? "kept" : "lost");
    t_.Expect(none && tier.TierName() == simhost::kTierName && tier.TierKey() == DemoTierKey() && messenger,
              "no owned object; name, key and messenger kept");
  }

  HostSession& session_;
  simhost::SimHost& host_;
  Transcript& t_;
};

int Verdict(const Transcript& transcript, int termination_requests) {
  if (termination_requests > 0) {
    std::cout << "\nThe component reported an error and asked to end the application.\n";
    return kExitTerminated;
  }
  if (transcript.Surprises() > 0) {
    std::cout << '\n' << transcript.Surprises() << " answer(s) not as expected.\n";
    return kExitError;
  }
  std::cout << "\nThe session went as expected.\n";
  return kExitOk;
}

int RunSession(ToolSession& tool, const Invocation& invocation) {
  HostSession session({LibraryBesideTool(), invocation.dir, tool.MessageBoxes(), true});
  ScriptDemoHost(session, *tool.MessageBoxes());
  std::cout << "VX4820CAL demo: one host session\n";
  std::cout << "   library  " << session.Library().string() << "\n   folder   " << invocation.dir.string() << '\n';
  Transcript transcript(std::cout);
  Demo(session, transcript).Run();
  return Verdict(transcript, session.TerminationRequests());
}

int RunDemo(const Invocation& given) {
  const Invocation invocation = WithSessionFolder(given);
  ToolSession tool(invocation);
  return tool.Run([&] {
    try {
      return RunSession(tool, invocation);
    } catch (const std::runtime_error& failure) {  // the host's own failure: the library would not load
      std::cerr << "vx4820cal demo: " << failure.what() << '\n';
      return kExitError;
    }
  });
}

const bool kRegistered =
    RegisterCommand({"demo", "Run one whole host session against the simulated host and print it.",
                     "Loads the component's library (the one this tool runs with) with dlopen, as a host\n"
                     "does, on the component folder (--dir), and runs one session: the tier created by\n"
                     "name, Initialize and its tier key, the band list and frequency ranges, the parameter\n"
                     "table for the connected radio, field metadata, a record added to a grid, the\n"
                     "pre-program confirmation, a form change that fails once and passes after a reconnect,\n"
                     "then Terminate and release. Without --dir, an installed tool whose component folder\n"
                     "holds no parameters file runs on the sample data installed with it\n"
                     "(share/vx4820cal/data). The host's answers are scripted; on a terminal the Yes/No\n"
                     "boxes are put to you. Exit 0 when the session went as expected, 1 when an answer was\n"
                     "not, 3 when the component reported an error and asked to end the application.\n",
                     [](CLI::App&) { return CommandBody(RunDemo); }});

}  // namespace
}  // namespace vx4820cal::cli
