#include "com/messenger_proxy.h"

#include "com/host_arguments.h"

namespace vx4820cal::com {

int32_t MessengerProxy::GetStatus() {
  LONG status = 0;
  Check(host()->GetStatus(&status));
  return status;
}

std::string MessengerProxy::GetSetting(std::string strName, std::string strDefault) {
  Bstr name(strName), fallback(strDefault);
  return TextResult([&](BSTR* out) { return host()->GetSetting(name.Get(), fallback.Get(), out); });
}

void MessengerProxy::MessageBox(std::string strPrompt, int32_t lngButtons, std::string strTitle, std::string strFourth,
                                int32_t& lngAnswer) {
  Bstr prompt(strPrompt), title(strTitle), fourth(strFourth);
  LongArg answer(lngAnswer);
  Check(host()->MessageBox(prompt.Get(), lngButtons, title.Get(), fourth.Get(), answer.Place()));
}

void MessengerProxy::ReportFailure() { Check(host()->ReportFailure()); }

int32_t MessengerProxy::PortCommand(int32_t lngFlag, int32_t lngPort) {
  LONG result = 0;
  Check(host()->PortCommand(lngFlag, lngPort, &result));
  return result;
}

void MessengerProxy::GetConnectedRadioInfo(std::string& str1, std::string& str2, std::string& str3, std::string& str4,
                                           std::string& str5, std::string& str6, std::string& str7, std::string& str8) {
  TextArg t1(str1), t2(str2), t3(str3), t4(str4), t5(str5), t6(str6), t7(str7), t8(str8);
  Check(host()->GetConnectedRadioInfo(t1.Place(), t2.Place(), t3.Place(), t4.Place(), t5.Place(), t6.Place(),
                                      t7.Place(), t8.Place()));
}

void MessengerProxy::NotifyField(std::string& strFieldID) {
  TextArg field(strFieldID);
  Check(host()->NotifyField(field.Place()));
}

std::shared_ptr<vx4820cal::Itier> MessengerProxy::GetTierByName(std::string strTierName) {
  Bstr name(strTierName);
  return ObjectResult<vx4820cal::Itier, ::Itier>([&](::Itier** out) { return host()->GetTierByName(name.Get(), out); });
}

}  // namespace vx4820cal::com
