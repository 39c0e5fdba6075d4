#include "status/FrFrameController.h"

#include <algorithm>

#include "framework/Exceptions.h"

namespace fr {

namespace {

const wchar_t* PropertyName(TFrFrameProperty what) {
  switch (what) {
    case TFrFrameProperty::ParentColor: return L"ParentColor";
    case TFrFrameProperty::Color: return L"Color";
    case TFrFrameProperty::DisabledColor: return L"DisabledColor";
    case TFrFrameProperty::FocusColor: return L"FocusColor";
    case TFrFrameProperty::FlatButtonColor: return L"FlatButtonColor";
    case TFrFrameProperty::FlatButtons: return L"FlatButtons";
    case TFrFrameProperty::FrameColor: return L"FrameColor";
    case TFrFrameProperty::FrameHotColor: return L"FrameHotColor";
    case TFrFrameProperty::FrameHotTrack: return L"FrameHotTrack";
    case TFrFrameProperty::FrameHotStyle: return L"FrameHotStyle";
    case TFrFrameProperty::FrameSides: return L"FrameSides";
    case TFrFrameProperty::FrameStyle: return L"FrameStyle";
    case TFrFrameProperty::FrameVisible: return L"FrameVisible";
    case TFrFrameProperty::FramingPreference: return L"FramingPreference";
    case TFrFrameProperty::All: break;
  }
  return L"";
}

// Property setters read layout values; the controller has no layout to
// offer them anything else.
class NoLayoutContext : public fw::LayoutContext {
 public:
  void AddFixup(const std::wstring&, int, std::function<void(fw::TComponent*)>) override {}
  fw::TNotifyEvent FindMethod(const std::wstring&, int) override { return nullptr; }
  std::vector<uint8_t> FindBinary(const std::wstring&, int) override { return {}; }
};

fw::LayoutValue IntValue(int v) {
  fw::LayoutValue value;
  value.kind = fw::LayoutValue::Kind::Integer;
  value.integer = v;
  return value;
}

fw::LayoutValue IdentValue(const std::wstring& text) {
  fw::LayoutValue value;
  value.kind = fw::LayoutValue::Kind::Identifier;
  value.text = text;
  return value;
}

fw::LayoutValue BoolValue(bool v) { return IdentValue(v ? L"True" : L"False"); }

template <class E>
std::wstring NameOf(const std::vector<std::pair<std::wstring, E>>& names, E value) {
  for (const auto& [n, e] : names) {
    if (e == value) return n;
  }
  return L"";
}

fw::LayoutValue SidesValue(TSides sides) {
  fw::LayoutValue value;
  value.kind = fw::LayoutValue::Kind::Set;
  for (const auto& [n, bit] : SideNames()) {
    if (sides & bit) value.set.push_back(n);
  }
  return value;
}

}  // namespace

const std::vector<std::pair<std::wstring, TFrameStyleEx>>& FrameStyleNames() {
  static const std::vector<std::pair<std::wstring, TFrameStyleEx>> names = {
      {L"fsNone", TFrameStyleEx::fsNone},         {L"fsFlat", TFrameStyleEx::fsFlat},
      {L"fsGroove", TFrameStyleEx::fsGroove},     {L"fsBump", TFrameStyleEx::fsBump},
      {L"fsLowered", TFrameStyleEx::fsLowered},   {L"fsButtonDown", TFrameStyleEx::fsButtonDown},
      {L"fsRaised", TFrameStyleEx::fsRaised},     {L"fsButtonUp", TFrameStyleEx::fsButtonUp},
      {L"fsStatus", TFrameStyleEx::fsStatus},     {L"fsPopup", TFrameStyleEx::fsPopup},
      {L"fsFlatBold", TFrameStyleEx::fsFlatBold}, {L"fsFlatRounded", TFrameStyleEx::fsFlatRounded}};
  return names;
}

const std::vector<std::pair<std::wstring, TSides>>& SideNames() {
  static const std::vector<std::pair<std::wstring, TSides>> names = {
      {L"sdLeft", sdLeft}, {L"sdTop", sdTop}, {L"sdRight", sdRight}, {L"sdBottom", sdBottom}};
  return names;
}

const std::vector<std::pair<std::wstring, TFramingPreference>>& FramingPreferenceNames() {
  static const std::vector<std::pair<std::wstring, TFramingPreference>> names = {
      {L"fpCustomFraming", TFramingPreference::fpCustomFraming}, {L"fpXPThemes", TFramingPreference::fpXPThemes}};
  return names;
}

TFrFrameController::TFrFrameController(fw::TComponent* owner, const fw::ClassRegistry& registry)
    : TComponent(owner), registry_(registry) {}

void TFrFrameController::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) Push(TFrFrameProperty::All);
}

void TFrFrameController::RegisterControl(fw::TComponent* control) {
  if (!control || std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
  controls_.push_back(control);
  FreeNotification(control);
  PushTo(control, TFrFrameProperty::All);
}

void TFrFrameController::UnregisterControl(fw::TComponent* control) {
  const auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  RemoveFreeNotification(control);
}

void TFrFrameController::Notification(fw::TComponent* component, fw::TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == fw::TOperation::opRemove) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), component), controls_.end());
  }
}

void TFrFrameController::Push(TFrFrameProperty what) {
  // A control may unregister while it is told.
  for (fw::TComponent* c : std::vector<fw::TComponent*>(controls_)) PushTo(c, what);
}

void TFrFrameController::PushTo(fw::TComponent* control, TFrFrameProperty what) {
  if (auto* notified = dynamic_cast<TFrFrameNotification*>(control)) {
    notified->FrameControllerUpdate(*this, what);
    return;
  }
  if (what != TFrFrameProperty::All) {
    SetByName(control, what);
    return;
  }
  SetByName(control, TFrFrameProperty::ParentColor);
  if (!parentColor_) SetByName(control, TFrFrameProperty::Color);
  for (int p = static_cast<int>(TFrFrameProperty::DisabledColor); p < static_cast<int>(TFrFrameProperty::All); ++p) {
    SetByName(control, static_cast<TFrFrameProperty>(p));
  }
}

void TFrFrameController::SetByName(fw::TComponent* control, TFrFrameProperty what) {
  const fw::ClassInfo* info = registry_.FindFor(*control);
  if (!info) return;
  const fw::PropertySetter* setter = info->FindProperty(PropertyName(what));
  if (!setter) return;  // the control has no such property
  fw::LayoutValue value;
  switch (what) {
    case TFrFrameProperty::ParentColor: value = BoolValue(parentColor_); break;
    case TFrFrameProperty::Color: value = IntValue(color_); break;
    case TFrFrameProperty::DisabledColor: value = IntValue(disabledColor_); break;
    case TFrFrameProperty::FocusColor: value = IntValue(focusColor_); break;
    case TFrFrameProperty::FlatButtonColor: value = IntValue(flatButtonColor_); break;
    case TFrFrameProperty::FlatButtons: value = BoolValue(flatButtons_); break;
    case TFrFrameProperty::FrameColor: value = IntValue(frameColor_); break;
    case TFrFrameProperty::FrameHotColor: value = IntValue(frameHotColor_); break;
    case TFrFrameProperty::FrameHotTrack: value = BoolValue(frameHotTrack_); break;
    case TFrFrameProperty::FrameHotStyle: value = IdentValue(NameOf(FrameStyleNames(), frameHotStyle_)); break;
    case TFrFrameProperty::FrameSides: value = SidesValue(frameSides_); break;
    case TFrFrameProperty::FrameStyle: value = IdentValue(NameOf(FrameStyleNames(), frameStyle_)); break;
    case TFrFrameProperty::FrameVisible: value = BoolValue(frameVisible_); break;
    case TFrFrameProperty::FramingPreference:
      value = IdentValue(NameOf(FramingPreferenceNames(), framingPreference_));
      break;
    case TFrFrameProperty::All: return;
  }
  NoLayoutContext context;
  (*setter)(*control, value, context);
}

void RelinkFrameController(fw::TComponent& control, TFrFrameController*& slot, TFrFrameController* value) {
  if (value == slot) return;
  if (slot) {
    slot->UnregisterControl(&control);
    control.RemoveFreeNotification(slot);
  }
  slot = value;
  if (value) {
    control.FreeNotification(value);
    value->RegisterControl(&control);
  }
}

}  // namespace fr
