#include "host_records.h"

namespace comhost {

HRESULT RaiseHostError(int number, const std::wstring& source, const std::wstring& description) {
  Ref<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.out()))) {
    BSTR s = NewText(source), d = NewText(description);
    create->SetSource(s);
    create->SetDescription(d);
    SysFreeString(s);
    SysFreeString(d);
    Ref<IErrorInfo> info = create.as<IErrorInfo>();
    SetErrorInfo(0, info.get());
  }
  return static_cast<HRESULT>(0x800A0000u + static_cast<unsigned>(number));
}

Field::~Field() {
  for (auto& [record, value] : values_) VariantClear(&value);
}

HRESULT Field::get_State(LONG* State) {
  *State = 0;
  return S_OK;
}

HRESULT Field::get_Value(LONG record, VARIANT* Value) {
  VariantInit(Value);
  auto found = values_.find(record);
  return found == values_.end() ? S_OK : VariantCopy(Value, &found->second);
}

HRESULT Field::put_Value(LONG record, VARIANT value) {
  VARIANT& cell = values_[record];
  VariantClear(&cell);
  return VariantCopy(&cell, &value);
}

HRESULT Provider::GetListID(BSTR* UIID, short* ListID) {
  auto found = lists_.find(TextOf(*UIID));
  *ListID = found == lists_.end() ? -1 : found->second;
  return S_OK;
}

HRESULT Provider::Field(BSTR name, ::Ifield** out) {
  *out = FieldNamed(TextOf(name)).give();
  return S_OK;
}

Ref<comhost::Field> Provider::FieldNamed(const std::wstring& name) {
  Ref<comhost::Field>& field = fields_[name];
  if (!field) field = Make<comhost::Field>();
  return field;
}

void TierData::AddChain(const std::wstring& model, const std::wstring& tier_name,
                        const std::vector<std::wstring>& versions) {
  std::vector<Version>& chain = models[model];
  for (size_t i = 0; i < versions.size(); ++i) {
    std::wstring next = i + 1 < versions.size() ? tier_name + L"." + versions[i + 1] : L"";
    chain.push_back({tier_name + L"." + versions[i], next, model, false});
  }
}

Ref<Provider> TierData::ProviderFor(const std::wstring& key) {
  Ref<Provider>& provider = providers[key];
  if (!provider) provider = Make<Provider>();
  return provider;
}

ProvInfo::ProvInfo(std::shared_ptr<TierData> data, Version version)
    : data_(std::move(data)), version_(std::move(version)) {
  ++data_->live_records;
}

ProvInfo::~ProvInfo() { --data_->live_records; }

HRESULT ProvInfo::get_MenuName(BSTR* out) {
  *out = NewText(version_.menu_name);
  return S_OK;
}
HRESULT ProvInfo::get_InMenu(VARIANT_BOOL* out) {
  *out = version_.in_menu ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}
HRESULT ProvInfo::get_Key(BSTR* out) {
  *out = NewText(version_.key);
  return S_OK;
}
HRESULT ProvInfo::get_NextKey(BSTR* out) {
  *out = NewText(version_.next_key);
  return S_OK;
}
HRESULT ProvInfo::get_Provider(::Iprovider** out) {
  *out = data_->ProviderFor(version_.key).give();
  return S_OK;
}

HRESULT ProvInfo::get_Versions(::IcolProvInfo** out) {
  *out = nullptr;
  auto found = data_->models.find(model_);
  if (found == data_->models.end()) return S_OK;
  Ref<ProvInfoList> list = Make<ProvInfoList>();
  for (const Version& version : found->second) {
    Ref<ProvInfo> record = Make<ProvInfo>(data_, version);
    record->model_ = model_;
    BSTR key = NewText(version.key);
    list->Add(record.get(), key);
    SysFreeString(key);
  }
  *out = list.give();
  return S_OK;
}

HRESULT ProvInfo::Init(BSTR, BSTR model, BSTR, BSTR* version, VARIANT_BOOL* out) {
  *out = VARIANT_FALSE;
  model_ = TextOf(model);
  auto found = data_->models.find(model_);
  if (found == data_->models.end() || found->second.empty()) {
    return RaiseHostError(5, L"clsProvInfo", L"The host holds no tier data for the model \"" + model_ + L"\"");
  }
  version_ = found->second.back();
  version_.in_menu = true;
  if (!data_->version_text.empty()) SetText(version, data_->version_text);
  *out = VARIANT_TRUE;
  return S_OK;
}

HRESULT ProvInfoList::Add(::IprovInfo* item, BSTR key) {
  items_.emplace_back(TextOf(key), Ref<::IprovInfo>::Share(item));
  return S_OK;
}

HRESULT ProvInfoList::Item(VARIANT index, ::IprovInfo** out) {
  *out = nullptr;
  if (V_VT(&index) == VT_BSTR) {
    for (auto& [key, item] : items_) {
      if (_wcsicmp(key.c_str(), TextOf(V_BSTR(&index)).c_str()) == 0) {
        *out = item.give();
        return S_OK;
      }
    }
    return RaiseHostError(5, L"IcolProvInfo", L"Invalid procedure call or argument");
  }
  VARIANT number;
  VariantInit(&number);
  if (FAILED(VariantChangeType(&number, &index, 0, VT_I4)))
    return RaiseHostError(13, L"IcolProvInfo", L"Type mismatch");
  if (V_I4(&number) < 1 || V_I4(&number) > static_cast<LONG>(items_.size())) {
    return RaiseHostError(9, L"IcolProvInfo", L"Subscript out of range");
  }
  *out = items_[static_cast<size_t>(V_I4(&number) - 1)].second.give();
  return S_OK;
}

HRESULT ProvInfoList::Count(LONG* out) {
  *out = static_cast<LONG>(items_.size());
  return S_OK;
}

HRESULT ProvInfoList::Remove(VARIANT) { return E_NOTIMPL; }

HRESULT ProvInfoList::NewEnum(IUnknown** out) {
  std::vector<Ref<IDispatch>> items;
  for (auto& [key, item] : items_) items.push_back(item.as<IDispatch>());
  *out = new ObjectWalk(std::move(items));
  return S_OK;
}

HRESULT ProvInfoList::Exists(BSTR key, VARIANT_BOOL* out) {
  *out = VARIANT_FALSE;
  for (auto& entry : items_) {
    if (_wcsicmp(entry.first.c_str(), TextOf(key).c_str()) == 0) *out = VARIANT_TRUE;
  }
  return S_OK;
}

HRESULT ObjectWalk::QueryInterface(REFIID iid, void** out) {
  *out = (iid == IID_IUnknown || iid == IID_IEnumVARIANT) ? static_cast<IEnumVARIANT*>(this) : nullptr;
  if (!*out) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG ObjectWalk::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ObjectWalk::Next(ULONG count, VARIANT* items, ULONG* fetched) {
  ULONG done = 0;
  for (; done < count && next_ < items_.size(); ++done, ++next_) {
    VariantInit(&items[done]);
    V_VT(&items[done]) = VT_DISPATCH;
    V_DISPATCH(&items[done]) = items_[next_].give();
  }
  if (fetched) *fetched = done;
  return done == count ? S_OK : S_FALSE;
}

HRESULT ObjectWalk::Skip(ULONG count) {
  next_ += count;
  return next_ <= items_.size() ? S_OK : S_FALSE;
}

HRESULT ObjectWalk::Reset() {
  next_ = 0;
  return S_OK;
}

HRESULT ObjectWalk::Clone(IEnumVARIANT** out) {
  *out = new ObjectWalk(items_);
  return S_OK;
}

ArrayObject::~ArrayObject() { Clear(); }

void ArrayObject::Clear() {
  for (auto& row : rows_) {
    for (VARIANT& cell : row) VariantClear(&cell);
  }
  rows_.clear();
}

VARIANT* ArrayObject::Cell(LONG row, LONG column) {
  if (row < 0 || row >= static_cast<LONG>(rows_.size()) || column < 0 || column >= columns_) return nullptr;
  return &rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

HRESULT ArrayObject::get_Value(LONG row, LONG column, VARIANT* out) {
  VariantInit(out);
  VARIANT* cell = Cell(row, column);
  return cell ? VariantCopy(out, cell) : RaiseHostError(9, L"XArrayDBObject", L"Subscript out of range");
}

HRESULT ArrayObject::put_Value(LONG row, LONG column, VARIANT value) {
  VARIANT* cell = Cell(row, column);
  if (!cell) return RaiseHostError(9, L"XArrayDBObject", L"Subscript out of range");
  VariantClear(cell);
  return VariantCopy(cell, &value);
}

// Bounds are taken from 0 upwards, as the component uses them.
HRESULT ArrayObject::ReDim(LONG, LONG row_upper, LONG, LONG column_upper) {
  Clear();
  columns_ = column_upper + 1;
  rows_.assign(static_cast<size_t>(row_upper + 1), std::vector<VARIANT>(static_cast<size_t>(columns_)));
  for (auto& row : rows_) {
    for (VARIANT& cell : row) VariantInit(&cell);
  }
  return S_OK;
}

HRESULT ArrayObject::Insert(LONG position, LONG count) {
  if (position < 0 || position > static_cast<LONG>(rows_.size())) {
    return RaiseHostError(9, L"XArrayDBObject", L"Subscript out of range");
  }
  std::vector<VARIANT> empty(static_cast<size_t>(columns_));
  for (VARIANT& cell : empty) VariantInit(&cell);
  rows_.insert(rows_.begin() + position, static_cast<size_t>(count), empty);
  return S_OK;
}

// The session sorts nothing through the array object.
HRESULT ArrayObject::QuickSort(LONG, LONG, short, LONG, LONG) { return E_NOTIMPL; }

HRESULT ArrayObject::UpperBound(LONG dimension, LONG* out) {
  *out = dimension == 1 ? static_cast<LONG>(rows_.size()) - 1 : columns_ - 1;
  return S_OK;
}

std::vector<std::wstring> ArrayObject::Texts() {
  std::vector<std::wstring> texts;
  for (auto& row : rows_) {
    VARIANT text;
    VariantInit(&text);
    if (columns_ > 0 && SUCCEEDED(VariantChangeType(&text, &row[0], 0, VT_BSTR)))
      texts.push_back(TextOf(V_BSTR(&text)));
    VariantClear(&text);
  }
  return texts;
}

}  // namespace comhost
