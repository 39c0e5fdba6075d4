#pragma once
// TFrFrameController: one set of frame settings pushed to every control
// registered with it. A control that implements TFrFrameNotification is
// told through it; any other receives the values through its published
// properties of the same names, as the layout would set them. Portable.
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Layout.h"
#include "status/FrCommon.h"

namespace fr {

class TFrFrameController;

// The controller's names for its settings, one per property.
enum class TFrFrameProperty {
  ParentColor,
  Color,
  DisabledColor,
  FocusColor,
  FlatButtonColor,
  FlatButtons,
  FrameColor,
  FrameHotColor,
  FrameHotTrack,
  FrameHotStyle,
  FrameSides,
  FrameStyle,
  FrameVisible,
  FramingPreference,
  All,  // every value at once (registration, end of an update)
};

class TFrFrameNotification {
 public:
  virtual ~TFrFrameNotification() = default;
  virtual void FrameControllerUpdate(const TFrFrameController& controller, TFrFrameProperty what) = 0;
};

class TFrFrameController : public fw::TComponent {
 public:
  explicit TFrFrameController(fw::TComponent* owner, const fw::ClassRegistry& registry = fw::ClassRegistry::Instance());
  // No destructor of its own: the links are mutual free notifications, so
  // every registered control hears of the removal and drops its reference
  // before anything is cut, whatever order the owner frees them in.

  TColor Color() const { return color_; }
  void SetColor(TColor v) { Change(color_, v, TFrFrameProperty::Color); }
  TColor DisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor v) { Change(disabledColor_, v, TFrFrameProperty::DisabledColor); }
  TColor FlatButtonColor() const { return flatButtonColor_; }
  void SetFlatButtonColor(TColor v) { Change(flatButtonColor_, v, TFrFrameProperty::FlatButtonColor); }
  bool FlatButtons() const { return flatButtons_; }
  void SetFlatButtons(bool v) { Change(flatButtons_, v, TFrFrameProperty::FlatButtons); }
  TColor FocusColor() const { return focusColor_; }
  void SetFocusColor(TColor v) { Change(focusColor_, v, TFrFrameProperty::FocusColor); }
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor v) { Change(frameColor_, v, TFrFrameProperty::FrameColor); }
  TColor FrameHotColor() const { return frameHotColor_; }
  void SetFrameHotColor(TColor v) { Change(frameHotColor_, v, TFrFrameProperty::FrameHotColor); }
  TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
  void SetFrameHotStyle(TFrameStyle v) { Change(frameHotStyle_, v, TFrFrameProperty::FrameHotStyle); }
  bool FrameHotTrack() const { return frameHotTrack_; }
  void SetFrameHotTrack(bool v) { Change(frameHotTrack_, v, TFrFrameProperty::FrameHotTrack); }
  TSides FrameSides() const { return frameSides_; }
  void SetFrameSides(TSides v) { Change(frameSides_, v, TFrFrameProperty::FrameSides); }
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle v) { Change(frameStyle_, v, TFrFrameProperty::FrameStyle); }
  bool FrameVisible() const { return frameVisible_; }
  void SetFrameVisible(bool v) { Change(frameVisible_, v, TFrFrameProperty::FrameVisible); }
  TFramingPreference FramingPreference() const { return framingPreference_; }
  void SetFramingPreference(TFramingPreference v) {
    Change(framingPreference_, v, TFrFrameProperty::FramingPreference);
  }
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v) { Change(parentColor_, v, TFrFrameProperty::ParentColor); }

  // Suspends the pushes; the last EndUpdate pushes every value.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  // A registered control gets every value at once; it is dropped when it
  // is destroyed.
  void RegisterControl(fw::TComponent* control);
  void UnregisterControl(fw::TComponent* control);
  int ControlCount() const { return static_cast<int>(controls_.size()); }

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  template <class T>
  void Change(T& field, T value, TFrFrameProperty what) {
    if (field == value) return;
    field = value;
    if (updateCount_ == 0) Push(what);
  }
  void Push(TFrFrameProperty what);
  void PushTo(fw::TComponent* control, TFrFrameProperty what);
  void SetByName(fw::TComponent* control, TFrFrameProperty what);

  const fw::ClassRegistry& registry_;
  std::vector<fw::TComponent*> controls_;
  int updateCount_ = 0;
  TColor color_ = fw::clWindow;
  TColor disabledColor_ = fw::clBtnFace;
  TColor flatButtonColor_ = fw::clBtnFace;
  bool flatButtons_ = true;
  TColor focusColor_ = fw::clWindow;
  TColor frameColor_ = fw::clBtnShadow;
  TColor frameHotColor_ = fw::clBtnShadow;
  TFrameStyle frameHotStyle_ = TFrameStyleEx::fsFlatBold;
  bool frameHotTrack_ = false;
  TSides frameSides_ = kAllSides;
  TFrameStyle frameStyle_ = TFrameStyleEx::fsFlat;
  bool frameVisible_ = false;
  TFramingPreference framingPreference_ = TFramingPreference::fpXPThemes;
  bool parentColor_ = false;
};

// Layout names of the frame vocabulary, shared by every class that
// registers frame properties.
const std::vector<std::pair<std::wstring, TFrameStyleEx>>& FrameStyleNames();
const std::vector<std::pair<std::wstring, TSides>>& SideNames();
const std::vector<std::pair<std::wstring, TFramingPreference>>& FramingPreferenceNames();

// Moves `control`'s link from the controller in `slot` to `value`: each
// side registers with, and is told of the removal of, the other.
void RelinkFrameController(fw::TComponent& control, TFrFrameController*& slot, TFrFrameController* value);

}  // namespace fr
