#include "skin/form/skSkinForm.h"
#include "skin/tray/skTrayIcon.h"

#include "framework/Exceptions.h"
#include "skin/controls/skSkinControlWalk.h"
#include "skin/controls/skSkinPanel.h"
#include "skin/data/skSkinData.h"

namespace sk {

namespace {

constexpr unsigned kHoverInterval = 50;
constexpr unsigned kMorphInterval = 25;

fw::TForm* FormOf(fw::TComponent* owner) {
  auto* form = dynamic_cast<fw::TForm*>(owner);
  if (!form) throw fw::EInvalidCast(L"A skinned form component belongs on a form");
  return form;
}

fw::TTimer* MakeTimer(fw::TComponent* owner, unsigned interval, fw::TNotifyEvent tick) {
  auto* timer = fw::TComponent::Create<fw::TTimer>(owner);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->OnTimer = std::move(tick);
  return timer;
}

}  // namespace

TskSkinForm::TskSkinForm(fw::TComponent* owner) : TskSkinMenuOwner(owner), form_(FormOf(owner)) {
  hoverTimer_ = MakeTimer(this, kHoverInterval, [this](fw::TComponent*) { HoverTimerTick(); });
  morphTimer_ = MakeTimer(this, kMorphInterval, [this](fw::TComponent*) { MorphTimerTick(); });
  animationTimer_ = MakeTimer(this, kMorphInterval, [this](fw::TComponent*) { AnimationTimerTick(); });
  form_->SetBorderIcons(0);
  form_->SetAutoScroll(false);
  CreateMenus();
  // Joining the chain is enough: the window, if it exists already, gets the
  // new frame from SWP_FRAMECHANGED when the skin is applied, and keeps its
  // hot keys, region and properties.
  if (!HasState(fw::csDesigning)) {
    hook_.Install(form_->Hooks(), [this](fw::TMessage& m, const Next& next) { SkinWindowProc(m, next); });
  }
}

TskSkinForm::~TskSkinForm() {
  StopTimers();
  hook_.Remove();
  // A form that stays gets its platform frame back; a form on its way out
  // is left alone.
  if (!form_->HasState(fw::csDestroying)) form_->OnShortCut = nullptr;
  if (!form_->HasState(fw::csDestroying) && Wnd()) {
    SetWindowRgn(Wnd(), nullptr, TRUE);
    skinned_ = false;
    ApplyBorderIcons();
    FrameChanged();
  }
}

void TskSkinForm::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation == fw::TOperation::opRemove) ForgetObjectReference(component);
  if (operation == fw::TOperation::opRemove && component == statusBar_) statusBar_ = nullptr;
  if (operation == fw::TOperation::opRemove && component == trayIcon_) trayIcon_ = nullptr;
  if (operation == fw::TOperation::opRemove) ForgetMenuReference(component);
  if (operation == fw::TOperation::opRemove && component == skinData_) {
    // The skin's pictures and records go with it: the form is left as with
    // no skin at all.
    skinData_ = nullptr;
    if (!HasState(fw::csDestroying)) ChangeSkinData();
  }
}

void TskSkinForm::SetSkinData(TskSkinData* value) {
  if (skinData_ && skinData_ != value && skinData_ != menusSkinData_) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value) {
    FreeNotification(value);
    skinned_ = value->SkinnableForm();
  }
  if (!HasState(fw::csDesigning)) ChangeSkinData();
}

void TskSkinForm::SetBorderIcons(TskBorderIcons value) {
  if (value == borderIcons_) return;
  borderIcons_ = value;
  if (skinned_ && skinInUse_) {
    CheckObjects(objects_, {borderIcons_, HideCaptionButtons, DisableSystemMenu, false});
    LayOutObjects();
    RepaintFrame();
  } else if (!skinned_) {
    ApplyBorderIcons();
  }
}

void TskSkinForm::SetSkinned(bool value) {
  if (value == skinned_) return;
  active_ = GetActive();
  // A maximised window stays maximised in the other mode: normal in this
  // one first, maximised again in that one.
  bool maximize = false;
  if (skinned_ && placement_.state == TskWindowState::Maximized) {
    SetSkinWindowState(TskWindowState::Normal);
    maximize = true;
  } else if (!skinned_ && form_->WindowState() == fw::TWindowState::wsMaximized) {
    form_->SetWindowState(fw::TWindowState::wsNormal);
    maximize = true;
  }
  skinned_ = value;
  ChangeSkinData();
  ApplySkinChanges(*form_, nullptr);
  if (Wnd()) RedrawWindow(Wnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  if (maximize) SetSkinWindowState(TskWindowState::Maximized);
}

void TskSkinForm::ChangeSkinData() {
  tracker_.ForgetIndices();
  skinInUse_ = skinData_ && !skinData_->Empty();
  // Taken once per skin: the frame values and the mask in the depth the
  // strips are cut from.
  frame_ = skinInUse_ ? FrameSkinOf(*skinData_) : TskFrameSkin{};
  mask24_ = skinInUse_ && frame_.hasMask ? TrueColorMask(skinData_->MaskPicture()) : fw::TBitmap{};
  maskStrips_.Clear();
  if (skinned_) {
    BuildObjects();
  } else {
    FreeObjects();
  }
  ApplyBorderIcons();
  FrameChanged();
  if (skinned_) FitToLimits();
  TakeFrameSize();
  if (skinned_) UpdateSkin();
  UpdateSkinRegion();
  if (Wnd()) RedrawWindow(Wnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
  ApplyCaptionActive(true);
  if (skinned_ && !objects_.empty()) hoverTimer_->SetEnabled(true);
  if (OnChangeSkinData) OnChangeSkinData(this);
}

void TskSkinForm::BeforeSkinChange() {
  skinChanging_ = true;
  skinInUse_ = false;
  StopTimers();
  FreeObjects();
  ForgetSkinRecords(*form_, skinData_);
  if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
}

void TskSkinForm::SkinChanged(WPARAM skinData) {
  skinChanging_ = false;
  // Compared, never followed: another skin data's message only reaches
  // the controls bound to it.
  const bool ours = skinData_ && skinData == reinterpret_cast<WPARAM>(skinData_);
  if (ours) ChangeSkinData();
  if (ours) ApplySkinChanges(*form_, skinData_);
}

void TskSkinForm::AfterSkinChange() {
  if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
}

void TskSkinForm::SkinnableChanged() {
  if (skinData_) SetSkinned(skinData_->SkinnableForm());
}

void TskSkinForm::BuildObjects() {
  objects_ = skinInUse_ ? CaptionObjectsOf(*skinData_) : DefaultCaptionObjects();
  CheckObjects(objects_, {borderIcons_, HideCaptionButtons, DisableSystemMenu, false});
  tracker_.Reset(ObjectStatesOf(objects_, skinInUse_ ? skinData_ : nullptr));
  ObjectsBuilt();
}

void TskSkinForm::FreeObjects() {
  objects_.clear();
  tracker_.Reset({});
}

void TskSkinForm::StopTimers() {
  hoverTimer_->SetEnabled(false);
  morphTimer_->SetEnabled(false);
  animationTimer_->SetEnabled(false);
}

void TskSkinForm::ApplyBorderIcons() {
  if (skinned_) {
    form_->SetBorderIcons(0);
    return;
  }
  fw::TBorderIcons icons = 0;
  if (!HideCaptionButtons) icons |= fw::biSystemMenu;
  if (borderIcons_ & biMinimize) icons |= fw::biMinimize;
  if (borderIcons_ & biMaximize) icons |= fw::biMaximize;
  form_->SetBorderIcons(icons);
}

}  // namespace sk
