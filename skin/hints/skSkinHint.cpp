// The skinned hint component: taking over the application's hint window
// class and show-hint callback (and giving them back), and the
// programmatic hint with its one timer.
#include "skin/hints/skSkinHint.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "framework/CodePage.h"
#include "skin/controls/skSkinControl.h"
#include "skin/pixels/skUtilsProbes.h"

namespace sk {

namespace {

// The live components (outside design) and the hint window class the
// first of them replaced: the last to go restores it.
std::vector<TskSkinHint*>& LiveHints() {
  static std::vector<TskSkinHint*> hints;
  return hints;
}
std::optional<fw::THintWindowClass>& ReplacedHintWindowClass() {
  static std::optional<fw::THintWindowClass> windowClass;
  return windowClass;
}

fw::THintWindowClass SkinHintWindowClass() {
  return [](fw::TComponent* owner) -> fw::THintWindow* { return fw::TComponent::Create<TskSkinHintWindow>(owner); };
}

constexpr int kShowHintShortPause = 100;

}  // namespace

// The application's show-hint callback as one component took it over. A
// component that goes leaves its link behind as a plain pass-through to
// whatever it replaced, so a callback taken over later never calls a freed
// component, whatever order the components go in.
struct TskSkinHint::ShowHintLink {
  TskSkinHint* hint = nullptr;
  std::function<void(std::wstring&, bool&, fw::THintInfo&)> replaced;
};

struct TskSkinHint::ShowHintThunk {
  std::shared_ptr<ShowHintLink> link;
  void operator()(std::wstring& hintStr, bool& canShow, fw::THintInfo& info) const {
    if (link->hint) {
      link->hint->DoShowHint(hintStr, canShow, info);
    } else if (link->replaced) {
      link->replaced(hintStr, canShow, info);
    }
  }
};

TskSkinHint::TskSkinHint(fw::TComponent* owner) : fw::TComponent(owner) {
  hintWindow_ = fw::TComponent::Create<TskSkinHintWindow>(this);
  if (HasState(fw::csDesigning)) return;
  fw::TApplication& app = fw::Application();
  if (LiveHints().empty()) {
    ReplacedHintWindowClass() = app.HintWindowClass();
    // Frees the application's hint window: the next one is of our class.
    app.SetHintWindowClass(SkinHintWindowClass());
  }
  LiveHints().push_back(this);
  TakeOverShowHint();
  app.SetHintShortPause(kShowHintShortPause);
}

TskSkinHint::~TskSkinHint() {
  if (timer_) timer_->SetEnabled(false);
  GiveBackShowHint();
  auto& live = LiveHints();
  if (const auto it = std::find(live.begin(), live.end(), this); it != live.end()) {
    live.erase(it);
    if (live.empty() && ReplacedHintWindowClass()) {
      fw::Application().SetHintWindowClass(*ReplacedHintWindowClass());
      ReplacedHintWindowClass().reset();
    }
  }
}

void TskSkinHint::TakeOverShowHint() {
  fw::TApplication& app = fw::Application();
  if (const auto* current = app.OnShowHint.target<ShowHintThunk>(); current && current->link == link_) return;
  if (link_) link_->hint = nullptr;  // the old link stays a pass-through where it is held
  link_ = std::make_shared<ShowHintLink>();
  link_->hint = this;
  link_->replaced = app.OnShowHint;
  app.OnShowHint = ShowHintThunk{link_};
}

void TskSkinHint::GiveBackShowHint() {
  if (!link_) return;
  link_->hint = nullptr;
  fw::TApplication& app = fw::Application();
  if (const auto* current = app.OnShowHint.target<ShowHintThunk>(); current && current->link == link_) {
    app.OnShowHint = link_->replaced;
  }
  link_.reset();
}

void TskSkinHint::DoShowHint(std::wstring& hintStr, bool& canShow, fw::THintInfo& info) {
  ClearTitleAndImage();
  TakeControlHintExtras(info.hintControl);
  if (OnShowHint) OnShowHint(hintStr, canShow, info);
}

void TskSkinHint::TakeControlHintExtras(fw::TControl* control) {
  const TskSkinBinding* skinned = nullptr;
  if (auto* windowed = dynamic_cast<TskSkinControl*>(control)) {
    skinned = windowed;
  } else if (auto* windowless = dynamic_cast<TskGraphicSkinControl*>(control)) {
    skinned = windowless;
  }
  if (!skinned) return;
  title_ = skinned->HintTitle();
  SetHintImage(skinned->HintImageList(), skinned->HintImageIndex());
}

void TskSkinHint::SetActive(bool value) {
  active_ = value;
  if (!value || HasState(fw::csDesigning)) return;
  if (fw::TForm* main = fw::Application().MainForm()) {
    for (int i = 0; i < main->ComponentCount(); ++i) {
      auto* other = dynamic_cast<TskSkinHint*>(main->Components(i));
      if (other && other != this) other->active_ = false;
    }
  }
  TakeOverShowHint();
}

void TskSkinHint::SetSkinData(TskSkinData* value) {
  if (value == skinData_) return;
  if (skinData_) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (skinData_) FreeNotification(skinData_);
}

void TskSkinHint::SetHintImage(fw::TImageList* list, int index) {
  if (list != imageList_) {
    if (imageList_) RemoveFreeNotification(imageList_);
    imageList_ = list;
    if (imageList_) FreeNotification(imageList_);
  }
  imageIndex_ = index;
}

void TskSkinHint::ClearTitleAndImage() {
  title_.clear();
  SetHintImage(nullptr, 0);
}

void TskSkinHint::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == imageList_) imageList_ = nullptr;
  if (component == hintWindow_) hintWindow_ = nullptr;
  if (component == timer_) timer_ = nullptr;
}

TskSkinHint* TskSkinHint::InCharge() {
  fw::TForm* main = fw::Application().MainForm();
  if (!main) return nullptr;
  for (int i = 0; i < main->ComponentCount(); ++i) {
    auto* hint = dynamic_cast<TskSkinHint*>(main->Components(i));
    if (hint && hint->Active()) return hint;
  }
  return nullptr;
}

bool TskSkinHint::UsableFrame(TskHintFrame& frame) const {
  if (!skinData_ || skinData_->Empty()) return false;
  const TskDataSkinHintWindow& record = skinData_->HintWindow();
  if (record.WindowPictureIndex == -1) return false;
  // An index beyond the pictures is no picture either.
  const fw::TBitmap* picture = skinData_->ActivePicture(record.WindowPictureIndex);
  if (!picture || picture->Empty()) return false;
  frame.record = &record;
  frame.pictureSize = {picture->Width(), picture->Height()};
  return true;
}

fw::TFontInfo TskSkinHint::HintFont(bool skinned) const {
  fw::TFontInfo font = defaultFont_.Info();
  if (skinned && useSkinFont_) {
    const TskDataSkinHintWindow& record = skinData_->HintWindow();
    font.name = fw::AnsiToWide(record.FontName);
    font.height = record.FontHeight;
    font.style = record.FontStyle;
  }
  if (skinData_ && skinData_->ResourceStrData()) font.charset = skinData_->ResourceStrData()->CharSet();
  return font;
}

// ---- the programmatic hint

void TskSkinHint::StartTimer(int interval) {
  if (!timer_) {
    timer_ = fw::TComponent::Create<fw::TTimer>(this);
    timer_->SetEnabled(false);
    timer_->OnTimer = [this](fw::TComponent*) { TimerTick(); };
  }
  timer_->SetEnabled(false);
  timer_->SetInterval(static_cast<unsigned>(std::max(1, interval)));
  timer_->SetEnabled(true);
}

void TskSkinHint::TimerTick() {
  // One shot: the next step arms it again.
  timer_->SetEnabled(false);
  if (phase_ == Phase::Pending) {
    ShowHintNow();
  } else if (phase_ == Phase::Shown) {
    HideHint();
  }
}

void TskSkinHint::ShowHintText(const std::wstring& text) {
  if (timer_) timer_->SetEnabled(false);
  pendingText_ = text;
  ClearTitleAndImage();
  phase_ = Phase::Pending;
  StartTimer(fw::Application().HintPause());
}

void TskSkinHint::ShowHintNow() {
  if (timer_) timer_->SetEnabled(false);
  POINT cursor{};
  GetCursorPos(&cursor);
  const int y = cursor.y + CursorHeight();
  if (hintWindow_) hintWindow_->ActivateHint({cursor.x, y, cursor.x, y}, pendingText_);
  phase_ = Phase::Shown;
  // A hide pause of 0 or less keeps the hint up until HideHint.
  if (const int hide = fw::Application().HintHidePause(); hide > 0) StartTimer(hide);
}

void TskSkinHint::HideHint() {
  if (timer_) timer_->SetEnabled(false);
  phase_ = Phase::Idle;
  if (hintWindow_ && hintWindow_->HandleAllocated() && IsWindowVisible(hintWindow_->HandleIfAllocated())) {
    hintWindow_->HideHintWindow();
    ClearTitleAndImage();
  }
}

// ---- cursor height

int CursorHeight() {
  const int systemHeight = GetSystemMetrics(SM_CYCURSOR);
  ICONINFO info{};
  const HCURSOR cursor = GetCursor();
  if (!cursor || !GetIconInfo(cursor, &info)) return systemHeight;
  // GetIconInfo hands out copies of both bitmaps.
  const fw::GdiObject<HBITMAP> mask(info.hbmMask);
  const fw::GdiObject<HBITMAP> color(info.hbmColor);
  BITMAP bm{};
  if (!mask || !GetObjectW(mask.Get(), sizeof bm, &bm) || bm.bmBitsPixel != 1 || bm.bmWidth <= 0 || bm.bmHeight <= 0) {
    return systemHeight;
  }
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } bmi{};
  bmi.header.biSize = sizeof bmi.header;
  bmi.header.biWidth = bm.bmWidth;
  bmi.header.biHeight = bm.bmHeight;  // bottom-up
  bmi.header.biPlanes = 1;
  bmi.header.biBitCount = 1;
  bmi.header.biCompression = BI_RGB;
  const int rowBytes = (bm.bmWidth + 31) / 32 * 4;
  std::vector<uint8_t> bits(static_cast<size_t>(rowBytes) * static_cast<size_t>(bm.bmHeight));
  fw::ScreenDC screen;
  if (GetDIBits(screen.Get(), mask.Get(), 0, static_cast<UINT>(bm.bmHeight), bits.data(),
                reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS) != bm.bmHeight) {
    return systemHeight;
  }
  return CursorHeightFromMask({bits, bm.bmWidth, bm.bmHeight, rowBytes}, static_cast<int>(info.yHotspot));
}

}  // namespace sk
