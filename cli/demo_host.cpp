#include "cli/demo_host.h"

#include "cli/terminal_message_boxes.h"
#include "common/message_box.h"

namespace vx4820cal::cli {

const std::vector<DemoBand>& DemoBands() {
  // Ranges in kHz, as the delegate tier states them.
  static const std::vector<DemoBand> bands = {
      {1, "A4 136-174 MHz", {136000, 174000, 136000, 174000, "6.25/12.5"}},
      {2, "H5 403-470 MHz", {403000, 470000, 403000, 470000, "6.25/12.5"}},
      {3, "K5 762-870 MHz", {762000, 776000, 851000, 870000, "12.5/25"}},
  };
  return bands;
}

const DemoRadio& DemoConnectedRadio() {
  static const DemoRadio radio = {"VX4820 High Power Tx", "K5", "210", "Default"};
  return radio;
}

std::string DemoTierKey() { return std::string(simhost::kTierName) + "." + simhost::kHostVersionText; }

void ScriptDemoHost(simhost::HostSession& session, TerminalMessageBoxes& boxes) {
  simhost::SimHost& host = session.Host();
  std::vector<std::string> band_texts;
  for (const DemoBand& band : DemoBands()) {
    band_texts.push_back(band.text);
    host.delegate_owner->SetFrequencyRanges(band.number, band.ranges);
  }
  host.delegate_owner->SetBands(band_texts);
  // The first form check fails as when the radio's shutdown commands do; the retry passes.
  host.delegate_validator->ScriptAnswers("FormValidationByFormName", {false, true});

  const DemoRadio& radio = DemoConnectedRadio();
  host.messenger->SetConnectedRadio(radio.model, radio.band, radio.hw_version, radio.radio_option);
  host.messenger->SetStatus(1);
  host.messenger->SetSetting("CommPortNumber", kDemoCommPort);

  std::shared_ptr<simhost::SimProvider> provider = host.tier_data->ProviderFor(DemoTierKey());
  provider->SetValue(kDemoBandField, 1, Variant(kDemoCurrentBand));
  provider->SetListID(kDemoBandField, kBandListID);

  boxes.ScriptAnswers({kAnswerYes, kAnswerYes});
}

}  // namespace vx4820cal::cli
