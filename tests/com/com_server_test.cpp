// The component as a host sees it through COM alone: the DLL registered, its classes
// created by ProgID, called through the interfaces of the generated header, with the
// host's own objects (messenger, validator, provider-info class, providers, fields,
// array objects, schema module, the delegate tier "LR2930 Cal") written here. Nothing
// of the component is linked.
#include <gtest/gtest.h>
#include <initguid.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "host_delegate.h"
#include "host_messenger.h"
#include "host_records.h"

namespace comhost {
namespace {

namespace fs = std::filesystem;

// {5C15E4EC-44ED-4CDE-A42E-B1B145E1BBA2}, the host's class of provider-info records.
const CLSID kProvInfoClass = {0x5C15E4EC, 0x44ED, 0x4CDE, {0xA4, 0x2E, 0xB1, 0xB1, 0x45, 0xE1, 0xBB, 0xA2}};
// {0D62353B-DBA2-11D1-B5DF-0060976089D0}, the array control's array object.
const CLSID kArrayClass = {0x0D62353B, 0xDBA2, 0x11D1, {0xB5, 0xDF, 0x00, 0x60, 0x97, 0x60, 0x89, 0xD0}};

constexpr const wchar_t* kTierProgID = L"VX4820CAL.clsVX4820CALTier";
constexpr const wchar_t* kStoreProgID = L"VX4820CAL.clsCalibrationParameters";
constexpr HRESULT kLanguageError = static_cast<HRESULT>(0x800A0000u);

// The server's folder: a copy of the DLL with the sample data beside it, registered
// for the whole run.
class Server {
 public:
  static Server& Get() {
    static Server server;
    return server;
  }
  const fs::path& Folder() const { return folder_; }
  const fs::path& Dll() const { return dll_; }
  HRESULT Call(const char* entry) {
    auto function = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(GetProcAddress(module_, entry));
    return function ? function() : E_NOTIMPL;
  }

 private:
  Server() {
    folder_ = fs::temp_directory_path() / ("vx4820cal_com_" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder_);
    dll_ = folder_ / "vx4820cal.dll";
    fs::copy_file(VX4820CAL_COM_DLL, dll_, fs::copy_options::overwrite_existing);
    for (const char* name : {"PARAMETERS.ini", "VX4820CAL_UI_U.dat"}) {
      fs::copy_file(fs::path(VX4820CAL_DATA_DIR) / name, folder_ / name, fs::copy_options::overwrite_existing);
    }
    module_ = LoadLibraryW(dll_.c_str());
  }
  fs::path folder_, dll_;
  HMODULE module_ = nullptr;
};

std::wstring RegistryText(const std::wstring& key, const wchar_t* name = nullptr) {
  wchar_t value[1024] = {};
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
    return L"<none>";
  }
  return value;
}

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

// Runs body on a thread of its own with its own apartment, and waits for its end.
void OnOwnApartment(const std::function<void()>& body) {
  std::thread([&] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    body();
    CoUninitialize();
  }).join();
}

// This thread's error info, taken: its source and description.
struct ErrorText {
  std::wstring source, description;
};
ErrorText TakeErrorInfo() {
  ErrorText text{L"<none>", L"<none>"};
  Ref<IErrorInfo> info;
  if (GetErrorInfo(0, info.out()) != S_OK || !info) return text;
  BSTR source = nullptr, description = nullptr;
  info->GetSource(&source);
  info->GetDescription(&description);
  text = {TextOf(source), TextOf(description)};
  SysFreeString(source);
  SysFreeString(description);
  return text;
}

template <class I>
Ref<I> CreateByProgID(const wchar_t* prog_id) {
  CLSID clsid = {};
  Ref<I> object;
  if (SUCCEEDED(CLSIDFromProgID(prog_id, &clsid))) {
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(I), reinterpret_cast<void**>(object.out()));
  }
  return object;
}

// One host as the demo scripts it: the product's tier data, the delegate tier's
// bands, ranges and form checks, the connected radio, the port setting, and Yes to
// both questions the component asks through the messenger.
struct Host {
  std::shared_ptr<TierData> data = std::make_shared<TierData>();
  Ref<Messenger> messenger = Make<Messenger>();
  Ref<HostValidator> validator = Make<HostValidator>();
  Ref<SchemaModule> schema_module = Make<SchemaModule>();
  Ref<DelegateTier> delegate = Make<DelegateTier>();
  Ref<EventSink> sink = Make<EventSink>();
  ClassRegistration records{kProvInfoClass, [data = data] { return static_cast<IUnknown*>(new ProvInfo(data)); }};
  ClassRegistration arrays{kArrayClass,
                           [] { return static_cast<IUnknown*>(static_cast<XArrayDBObject*>(new ArrayObject)); }};

  Host() {
    data->AddChain(L"VX4820 Standard Rx", L"VX4820CAL", {L"0001", L"0002", L"0003"});
    data->AddChain(L"VX4820 Trigger Base Rx", L"VX4820CAL TB", {L"0001", L"0002"});
    data->AddChain(L"VX4820 Transmitter", L"VX4820CAL TX", {L"0001", L"0002", L"0003"});
    data->AddChain(L"VX4820 High Power Tx", L"VX4820CAL HP", {L"0002", L"0003"});
    data->version_text = L"0003";
    Ref<Provider> current = data->ProviderFor(L"VX4820CAL.0003");
    VARIANT band;
    V_VT(&band) = VT_I4;
    V_I4(&band) = 3;
    current->FieldNamed(L"Band_r5k")->put_Value(1, band);
    current->SetListID(L"Band_r5k", 831);

    delegate->owner->bands = {L"A4 136-174 MHz", L"H5 403-470 MHz", L"K5 762-870 MHz"};
    delegate->owner->ranges = {{1, {136000, 174000, 136000, 174000, L"6.25/12.5"}},
                               {2, {403000, 470000, 403000, 470000, L"6.25/12.5"}},
                               {3, {762000, 776000, 851000, 870000, L"12.5/25"}}};
    delegate->validator->form_answers = {false, true};

    messenger->radio[0] = L"VX4820 High Power Tx";
    messenger->radio[4] = L"K5";
    messenger->radio[5] = L"210";
    messenger->radio[7] = L"Default";
    messenger->status = 1;
    messenger->settings[L"CommPortNumber"] = L"2";
    messenger->answers = {IDYES, IDYES};
    messenger->tiers[L"LR2930 Cal"] = Ref<::Itier>::Share(delegate.get());
  }
  ~Host() {
    // The messenger hands out the delegate, which holds the component's store.
    messenger->tiers.clear();
    delegate->cal_parameters = {};
  }

  // The tier created by ProgID with the host's sink advised.
  Ref<::Itier> CreateTier() {
    Ref<::Itier> tier = CreateByProgID<::Itier>(kTierProgID);
    Ref<IConnectionPointContainer> container = tier.as<IConnectionPointContainer>();
    if (container && SUCCEEDED(container->FindConnectionPoint(DIID___clsVX4820CALTier, point.out()))) {
      point->Advise(static_cast<IDispatch*>(sink.get()), &cookie);
    }
    return tier;
  }
  // Unadvises; the component keeps its last tier as the thread's terminator.
  void Unadvise() {
    if (point) point->Unadvise(cookie);
    point = {};
  }
  bool Initialize(::Itier& tier) {
    VARIANT module;
    V_VT(&module) = VT_DISPATCH;
    V_DISPATCH(&module) = schema_module.get();
    BSTR name = NewText(L"VX4820CAL");
    VARIANT_BOOL done = VARIANT_FALSE;
    HRESULT hr = tier.Initialize(name, validator.get(), messenger.get(), module, &done);
    SysFreeString(name);
    return SUCCEEDED(hr) && done != VARIANT_FALSE;
  }

  Ref<IConnectionPoint> point;
  DWORD cookie = 0;
};

std::wstring TextResult(const std::function<HRESULT(BSTR*)>& call) {
  BSTR text = nullptr;
  if (FAILED(call(&text))) return L"<failed>";
  std::wstring out = TextOf(text);
  SysFreeString(text);
  return out;
}

class ComServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(Server::Get().Call("DllRegisterServer"), S_OK); }
  static void TearDownTestSuite() { Server::Get().Call("DllUnregisterServer"); }
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(ComServer, RegistrationWritesTheClassesAndTheLibraryAndUnregistrationRemovesThem) {
  const std::wstring tier = L"CLSID\\" + GuidText(CLSID_clsVX4820CALTier);
  const std::wstring store = L"CLSID\\" + GuidText(CLSID_clsCalibrationParameters);
  const std::wstring library = L"TypeLib\\" + GuidText(LIBID_VX4820CAL) + L"\\1.0\\0\\win64";
  auto expect_registered = [&] {
    for (const std::wstring& key : {tier, store}) {
      EXPECT_EQ(RegistryText(key + L"\\InprocServer32"), Server::Get().Dll().wstring());
      EXPECT_EQ(RegistryText(key + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    }
    EXPECT_EQ(RegistryText(tier + L"\\ProgID"), kTierProgID);
    EXPECT_EQ(RegistryText(std::wstring(kTierProgID) + L"\\CLSID"), GuidText(CLSID_clsVX4820CALTier));
    EXPECT_EQ(RegistryText(std::wstring(kStoreProgID) + L"\\CLSID"), GuidText(CLSID_clsCalibrationParameters));
    EXPECT_EQ(RegistryText(library), Server::Get().Dll().wstring());
  };
  expect_registered();

  ASSERT_EQ(Server::Get().Call("DllUnregisterServer"), S_OK);
  for (const std::wstring& key :
       {tier, store, std::wstring(kTierProgID), std::wstring(kStoreProgID), L"TypeLib\\" + GuidText(LIBID_VX4820CAL)}) {
    HKEY handle = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle), ERROR_SUCCESS) << key;
    if (handle) RegCloseKey(handle);
  }
  CLSID clsid = {};
  EXPECT_TRUE(FAILED(CLSIDFromProgID(kTierProgID, &clsid)));

  ASSERT_EQ(Server::Get().Call("DllRegisterServer"), S_OK);
  expect_registered();
}

TEST_F(ComServer, OnlyTheTwoClassesHaveClassObjects) {
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  HMODULE module = GetModuleHandleW(Server::Get().Dll().c_str());
  auto get = reinterpret_cast<GetClassObject>(GetProcAddress(module, "DllGetClassObject"));
  ASSERT_NE(get, nullptr);
  Ref<IClassFactory> factory;
  EXPECT_EQ(get(CLSID_clsVX4820CALTier, IID_IClassFactory, reinterpret_cast<void**>(factory.out())), S_OK);
  EXPECT_EQ(get(CLSID_clsCalibrationParameters, IID_IClassFactory, reinterpret_cast<void**>(factory.out())), S_OK);
  EXPECT_EQ(get(kProvInfoClass, IID_IClassFactory, reinterpret_cast<void**>(factory.out())), CLASS_E_CLASSNOTAVAILABLE);
}

// The answers for one field as the demo prints them: label, units, width, help
// identifier and grid ("-" when the field has none).
std::wstring AskField(::ItierUserInterface& ui, const std::wstring& uiid) {
  BSTR id = NewText(uiid), label = NewText(L""), units = NewText(L""), grid = NewText(L"");
  LONG width = 0, help = 0;
  VARIANT_BOOL defined = VARIANT_FALSE;
  ui.GetLabelByUIID(&id, &label, &defined);
  ui.GetUnitsByUIID(&id, &units, &defined);
  ui.GetUIWidthByUIID(&id, &width, &defined);
  ui.GetHelpIdByUIID(&id, &help, &defined);
  ui.GetATGridIDByUIID(&id, &grid, &defined);
  std::wstring answers = TextOf(label) + L"|" + TextOf(units) + L"|" + std::to_wstring(width) + L"|" +
                         std::to_wstring(help) + L"|" + (SysStringLen(grid) ? TextOf(grid) : L"-");
  for (BSTR text : {id, label, units, grid}) SysFreeString(text);
  return answers;
}

std::wstring TableText(::Icollection& table, const wchar_t* name) {
  VARIANT key, value;
  V_VT(&key) = VT_BSTR;
  V_BSTR(&key) = NewText(name);
  VariantInit(&value);
  std::wstring text = L"<none>";
  if (SUCCEEDED(table.Item(&key, &value)) && SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR))) {
    text = TextOf(V_BSTR(&value));
  }
  VariantClear(&key);
  VariantClear(&value);
  return text;
}

Ranges AskRanges(::IproviderOwner& owner, LONG band) {
  Ranges ranges;
  BSTR divisor = NewText(L"");
  owner.GetFrequencyRanges(&band, &ranges.rx_min, &ranges.rx_max, &ranges.tx_min, &ranges.tx_max, &divisor);
  ranges.divisor = TextOf(divisor);
  SysFreeString(divisor);
  return ranges;
}

// The session of `vx4820cal demo`, step by step, with the answers it prints.
TEST_F(ComServer, TheDemoSessionGivesTheAnswersOfTheLinuxDemo) {
  Host host;
  Ref<::Itier> tier = host.CreateTier();
  ASSERT_TRUE(tier);
  ASSERT_TRUE(host.point) << "the tier offers its event";

  ASSERT_TRUE(host.Initialize(*tier));
  EXPECT_EQ(TextResult([&](BSTR* out) { return tier->get_TierKey(out); }), L"VX4820CAL.0003");
  ASSERT_EQ(host.schema_module->schema_files.size(), 1u);
  EXPECT_EQ(fs::path(host.schema_module->schema_files[0]), Server::Get().Folder() / "VX4820CAL_UI.mdb");
  Ref<::IproviderOwner> owner;
  Ref<::ItierSchema> schema;
  Ref<::ItierUserInterface> ui;
  Ref<::ItierValidator> validator;
  ASSERT_EQ(tier->get_ProviderOwner(owner.out()), S_OK);
  ASSERT_EQ(tier->get_Schema(schema.out()), S_OK);
  ASSERT_EQ(tier->get_UserInterface(ui.out()), S_OK);
  ASSERT_EQ(tier->get_Validator(validator.out()), S_OK);
  ASSERT_TRUE(owner && schema && ui && validator);

  // The band list of the current provider.
  Ref<::IprovInfo> current;
  ASSERT_EQ(tier->get_CurrentProvInfo(current.out()), S_OK);
  EXPECT_EQ(TextResult([&](BSTR* out) { return current->get_Key(out); }), L"VX4820CAL.0003");
  Ref<::Iprovider> provider;
  ASSERT_EQ(tier->get_CurrentProvider(provider.out()), S_OK);
  Ref<ArrayObject> list = Make<ArrayObject>();
  ::Iprovider* provider_arg = provider.give();
  ::XArrayDBObject* list_arg = list.give();
  BSTR band_field = NewText(L"Band_r5k");
  LONG record = 1;
  VARIANT_BOOL answer = VARIANT_FALSE;
  EXPECT_EQ(owner->GetComboItemsByUIID(&provider_arg, &band_field, &record, &list_arg, &answer), S_OK);
  provider_arg->Release();
  list_arg->Release();
  SysFreeString(band_field);
  EXPECT_EQ(answer, VARIANT_TRUE);
  EXPECT_EQ(list->Texts(),
            (std::vector<std::wstring>{L"Undefined", L"A4 136-174 MHz", L"H5 403-470 MHz", L"K5 762-870 MHz"}));

  // Frequency ranges, answered by the delegate.
  for (auto& [band, ranges] : host.delegate->owner->ranges) EXPECT_EQ(AskRanges(*owner, band), ranges) << band;
  Ranges current_ranges;
  BSTR divisor = NewText(L"");
  EXPECT_EQ(owner->GetCurrentFrequencyRanges(&current_ranges.rx_min, &current_ranges.rx_max, &current_ranges.tx_min,
                                             &current_ranges.tx_max, &divisor),
            S_OK);
  current_ranges.divisor = TextOf(divisor);
  SysFreeString(divisor);
  EXPECT_EQ(current_ranges, host.delegate->owner->ranges[3]);

  // The parameter table for the connected radio, from the store the delegate holds.
  ASSERT_TRUE(host.delegate->cal_parameters);
  ::Itier* tier_arg = tier.give();
  BSTR table_name = NewText(L"TxPower");
  Ref<::Icollection> table;
  EXPECT_EQ(host.delegate->cal_parameters->GetTableForConnectedRadio(&tier_arg, table_name, table.out()), S_OK);
  tier_arg->Release();
  SysFreeString(table_name);
  ASSERT_TRUE(table);
  LONG entries = 0;
  table->Count(&entries);
  EXPECT_EQ(entries, 3);
  EXPECT_EQ(TableText(*table, L"PowerSetPointLow"), L"5000");
  EXPECT_EQ(TableText(*table, L"PowerSetPointHigh"), L"15000");
  EXPECT_EQ(TableText(*table, L"PaBiasDac"), L"385");

  // Field metadata.
  EXPECT_EQ(AskField(*ui, L"Band_r5k"), L"Frequency band|band|1200|48010|-");
  EXPECT_EQ(AskField(*ui, L"RSSI_DELTA_GAIN_VALUES"), L"RSSI gain offset|dB|960|48111|RssiCalGrid");
  EXPECT_EQ(AskField(*ui, L"TX_POWER_HIGH"), L"High transmit power|W|960|48300|-");

  // A record added to a grid.
  LONG item = 1, count = 4;
  VARIANT_BOOL allowed = VARIANT_FALSE, processed = VARIANT_FALSE;
  EXPECT_EQ(validator->AddRecord(&item, &count, &allowed), S_OK);
  provider_arg = provider.give();
  BSTR grid = NewText(L"RSSI_DELTA_GAIN_VALUES");
  EXPECT_EQ(owner->PostAddProcessing(&provider_arg, &grid, &processed), S_OK);
  provider_arg->Release();
  SysFreeString(grid);
  EXPECT_EQ(allowed, VARIANT_TRUE);
  EXPECT_EQ(processed, VARIANT_TRUE);

  // The overwrite confirmation, answered Yes.
  VARIANT_BOOL go = VARIANT_FALSE;
  EXPECT_EQ(validator->RunPreProgramValidation(&go), S_OK);
  EXPECT_EQ(go, VARIANT_TRUE);
  ASSERT_EQ(host.messenger->titles.size(), 1u);
  EXPECT_EQ(host.messenger->titles[0], L"CAL DATA OVERWRITE WARNING");

  // The form change refused once; reconnect on the port setting and retry.
  BSTR form = NewText(L"frmCalibration");
  VARIANT_BOOL changed = VARIANT_FALSE;
  EXPECT_EQ(validator->FormValidationByFormName(&form, VARIANT_TRUE, &changed), S_OK);
  SysFreeString(form);
  EXPECT_EQ(changed, VARIANT_TRUE);
  EXPECT_EQ(host.delegate->validator->form_checks, 2);
  EXPECT_EQ(host.messenger->port_commands, (std::vector<std::pair<LONG, LONG>>{{0, 2}, {1, 2}}));
  EXPECT_EQ(host.messenger->failures_reported, 0);

  // Terminate: no owned object; name, key and messenger kept.
  owner = {};
  schema = {};
  ui = {};
  validator = {};
  current = {};
  provider = {};
  table = {};
  EXPECT_EQ(tier->Terminate(), S_OK);
  ASSERT_EQ(tier->get_ProviderOwner(owner.out()), S_OK);
  ASSERT_EQ(tier->get_Validator(validator.out()), S_OK);
  EXPECT_FALSE(owner || validator);
  EXPECT_EQ(TextResult([&](BSTR* out) { return tier->get_TierName(out); }), L"VX4820CAL");
  EXPECT_EQ(TextResult([&](BSTR* out) { return tier->get_TierKey(out); }), L"VX4820CAL.0003");
  Ref<::Imessenger> messenger;
  ASSERT_EQ(tier->get_Messenger(messenger.out()), S_OK);
  EXPECT_EQ(messenger.as<IUnknown>().get(), host.messenger.as<IUnknown>().get());
  EXPECT_EQ(host.sink->terminations, 0);
  host.Unadvise();
}

TEST_F(ComServer, QueryInterfaceAnswersEveryInterfaceOnOneIdentity) {
  Host host;
  Ref<::Itier> tier = host.CreateTier();
  ASSERT_TRUE(tier);
  Ref<IUnknown> identity = tier.as<IUnknown>();
  Ref<::Iterminator> terminator = tier.as<::Iterminator>();
  Ref<::IcalParamOwner> owner = tier.as<::IcalParamOwner>();
  Ref<ISupportErrorInfo> errors = tier.as<ISupportErrorInfo>();
  ASSERT_TRUE(terminator && owner && errors);
  EXPECT_EQ(terminator.as<IUnknown>().get(), identity.get());
  EXPECT_EQ(owner.as<IUnknown>().get(), identity.get());
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(__uuidof(::Itier)), S_OK);
  EXPECT_FALSE(tier.as<::IproviderOwner>());
  host.Unadvise();
}

// Late binding: the operations of Itier by name, through the type library.
TEST_F(ComServer, ALateBoundCallerReachesTierNameByName) {
  Ref<IDispatch> tier = CreateByProgID<IDispatch>(kTierProgID);
  ASSERT_TRUE(tier);
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"TierName")};
  DISPID id = DISPID_UNKNOWN;
  ASSERT_EQ(tier->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);

  VARIANT name;
  V_VT(&name) = VT_BSTR;
  V_BSTR(&name) = NewText(L"Late bound");
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS put_params = {&name, &put, 1, 1};
  EXPECT_EQ(
      tier->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &put_params, nullptr, nullptr, nullptr),
      S_OK);
  VariantClear(&name);

  VARIANT result;
  VariantInit(&result);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  ASSERT_EQ(tier->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
            S_OK);
  ASSERT_EQ(V_VT(&result), VT_BSTR);
  EXPECT_EQ(TextOf(V_BSTR(&result)), L"Late bound");
  VariantClear(&result);
  Ref<::Itier> early = tier.as<::Itier>();
  EXPECT_EQ(TextResult([&](BSTR* out) { return early->get_TierName(out); }), L"Late bound");
}

// Unarmed (a thread where no tier was initialised): errors reach the caller as the
// host's language raises them. A thread of its own keeps the module state apart.
TEST_F(ComServer, UnarmedErrorsFailWithTheLanguageFormAndErrorInfo) {
  HRESULT loaded = E_FAIL, lookup = S_OK, radio = S_OK;
  ErrorText lookup_error, radio_error;
  bool table_given = true;
  OnOwnApartment([&] {
    Ref<::IcalParameters> store = CreateByProgID<::IcalParameters>(kStoreProgID);
    if (!store) return;
    BSTR base = NewText(L"PARAMETERS"), band = NewText(L"K5"), model = NewText(L"VX4820 High Power Tx"),
         table = NewText(L"TxPower"), option = NewText(L"Default");
    VARIANT_BOOL done = VARIANT_FALSE;
    loaded = store->LoadFile(base, &done) == S_OK && done ? S_OK : E_FAIL;
    Ref<::Icollection> result;
    lookup = store->GetTable(band, model, 10000, table, option, result.out());
    lookup_error = TakeErrorInfo();
    table_given = static_cast<bool>(result);

    // The connected radio asked of a host messenger that fails.
    Ref<Messenger> messenger = Make<Messenger>();
    messenger->radio_info_fails = true;
    Ref<DelegateTier> caller = Make<DelegateTier>();
    caller->messenger = Ref<::Imessenger>::Share(messenger.get());
    ::Itier* caller_arg = caller.give();
    radio = store->GetTableForConnectedRadio(&caller_arg, table, result.out());
    caller_arg->Release();
    radio_error = TakeErrorInfo();
    for (BSTR text : {base, band, model, table, option}) SysFreeString(text);
  });
  EXPECT_EQ(loaded, S_OK);
  EXPECT_EQ(lookup, kLanguageError + 0);
  EXPECT_FALSE(table_given);
  EXPECT_EQ(lookup_error.description, L"VX4820CAL: GetTable\r\nVX4820CAL: IsMatch\r\nInvalid data");
  EXPECT_EQ(lookup_error.source, L"clsCalibrationParameter.IsMatch");
  // The host's number and description, the component's procedure in front.
  EXPECT_EQ(radio, kLanguageError + 48);
  EXPECT_EQ(radio_error.description, L"VX4820CAL: GetTableForConnectedRadio\r\nNo radio is connected");
}
// Armed (after Initialize on this thread): the error shows its box and asks the host,
// through the event, to end the application; Initialize answers False.
TEST_F(ComServer, WithoutTheDelegateTierInitializeFailsAndTheSinkIsAskedOnce) {
  OnOwnApartment([] {
    Host host;
    host.messenger->tiers.clear();
    Ref<::Itier> tier = host.CreateTier();
    ASSERT_TRUE(tier);
    EXPECT_FALSE(host.Initialize(*tier));
    EXPECT_EQ(host.sink->terminations, 1);
    host.Unadvise();
  });
}

// Each apartment keeps its own module state: a thread armed by its tier does not arm
// another, and each delegate receives the store made on its own thread.
TEST_F(ComServer, TwoApartmentsKeepTheirOwnModuleState) {
  Ref<IUnknown> first_store, second_store;
  OnOwnApartment([&] {
    Host host;
    Ref<::Itier> tier = host.CreateTier();
    ASSERT_TRUE(host.Initialize(*tier));
    first_store = host.delegate->cal_parameters.as<IUnknown>();

    OnOwnApartment([&] {
      Ref<::IcalParameters> store = CreateByProgID<::IcalParameters>(kStoreProgID);
      ASSERT_TRUE(store);
      BSTR empty = NewText(L"");
      Ref<::Icollection> result;
      // Unarmed here: the error comes back, no event on the other thread's sink.
      VARIANT_BOOL loaded = VARIANT_FALSE;
      BSTR base = NewText(L"PARAMETERS");
      store->LoadFile(base, &loaded);
      EXPECT_EQ(store->GetTable(empty, empty, 0, empty, empty, result.out()), kLanguageError + 0);
      SysFreeString(empty);
      SysFreeString(base);

      Host other;
      Ref<::Itier> second = other.CreateTier();
      ASSERT_TRUE(other.Initialize(*second));
      second_store = other.delegate->cal_parameters.as<IUnknown>();
      second->Terminate();
      other.Unadvise();
      second_store = {};
    });
    EXPECT_EQ(host.sink->terminations, 0);
    EXPECT_TRUE(first_store);
    first_store = {};
    tier->Terminate();
    host.Unadvise();
  });
}

// A thousand hosts' lifetimes leave no object of the server alive.
TEST_F(ComServer, AThousandCyclesLeaveNothingAliveAndTheServerCanUnload) {
  OnOwnApartment([] {
    Host host;
    for (int cycle = 0; cycle < 1000; ++cycle) {
      Ref<::Itier> tier = CreateByProgID<::Itier>(kTierProgID);
      ASSERT_TRUE(tier);
      ASSERT_TRUE(host.Initialize(*tier)) << cycle;
      ASSERT_EQ(tier->Terminate(), S_OK);
    }
    host.delegate->cal_parameters = {};
    EXPECT_EQ(host.data->live_records.load(), 0);
  });
  EXPECT_EQ(Server::Get().Call("DllCanUnloadNow"), S_OK);
}

}  // namespace
}  // namespace comhost
