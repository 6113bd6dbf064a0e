#pragma once
// What the demo's host answers: the delegate tier's bands, frequency ranges and form
// checks, the connected radio, the current provider's band, the port setting and the
// person's answers when no one is at a terminal. The component's own answers (tier
// key, parameter tables, field metadata) come from the component folder's files.
#include <cstdint>
#include <string>
#include <vector>

#include "host/host_session.h"

namespace vx4820cal::cli {

class TerminalMessageBoxes;

struct DemoBand {
  int32_t number;
  std::string text;
  simhost::FrequencyRanges ranges;
};

struct DemoRadio {
  std::string model;
  std::string band;
  std::string hw_version;
  std::string radio_option;
};

const std::vector<DemoBand>& DemoBands();
const DemoRadio& DemoConnectedRadio();

inline constexpr int32_t kDemoCurrentBand = 3;
inline constexpr const char* kDemoBandField = "Band_r5k";
inline constexpr int16_t kBandListID = 831;
inline constexpr const char* kDemoCommPort = "2";
inline constexpr const char* kDemoGrid = "RSSI_DELTA_GAIN_VALUES";
inline constexpr const char* kDemoForm = "frmCalibration";
inline constexpr const char* kDemoTable = "TxPower";
// The key of the version the host's records give the tier: its current provider.
std::string DemoTierKey();

// Scripts the session's host objects and, for runs without a person, the answers:
// Yes to the pre-program prompt, Yes to the retry.
void ScriptDemoHost(simhost::HostSession& session, TerminalMessageBoxes& boxes);

}  // namespace vx4820cal::cli
