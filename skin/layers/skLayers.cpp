#include "skin/layers/skLayers.h"

#include "skin/pixels/skEffectsBitmapDC.h"
#include "skin/layers/skLayersFade.h"
#include "skin/pixels/skUtilsProbes.h"

namespace sk {
namespace {

constexpr wchar_t kLayerWindowClass[] = L"TskLayerWindow";
constexpr unsigned kFadeInterval = 25;

// Our own class: the framework's, plus the saved screen bits that make the
// short-lived layer cheap to take away.
void RegisterLayerWindowClass() {
  static const bool registered = [] {
    fw::RegisterFrameworkWindowClasses();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = fw::TWinControl::StaticWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kLayerWindowClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

TskLayerWindow::TskLayerWindow(fw::TComponent* owner) : fw::TCustomControl(owner) {}

void TskLayerWindow::CreateParams(fw::TCreateParams& params) {
  fw::TCustomControl::CreateParams(params);
  RegisterLayerWindowClass();
  params.windowClass = kLayerWindowClass;
  params.style = WS_POPUP | (Visible() ? WS_VISIBLE : 0);
  params.exStyle = WS_EX_TOOLWINDOW;
  params.parent = nullptr;
}

void TskLayerWindow::WndProc(fw::TMessage& message) {
  if (message.msg == WM_MOUSEACTIVATE) {
    message.result = MA_NOACTIVATE;
    return;
  }
  fw::TCustomControl::WndProc(message);
}

bool UpdateLayeredWindowFromBitmap(const TskBitmap& picture, int alpha, TskLayerWindow& window) {
  if (!HasUpdateLayeredWindow() || picture.Empty()) return false;
  const HWND handle = window.Handle();
  RECT bounds{};
  GetWindowRect(handle, &bounds);
  POINT destination{bounds.left, bounds.top};
  SIZE size{picture.Width(), picture.Height()};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha)), AC_SRC_ALPHA};
  GdiFlush();
  return CallUpdateLayeredWindow(handle, nullptr, &destination, &size, BitmapDC(picture), &source, 0, &blend,
                                 ULW_ALPHA);
}

TskLayerManager::TskLayerManager(fw::TComponent* owner) : fw::TComponent(owner) {
  timer_ = fw::TComponent::Create<fw::TTimer>(this);
  timer_->SetEnabled(false);
  timer_->SetInterval(kFadeInterval);
  timer_->OnTimer = [this](fw::TComponent*) { FadeTick(); };
}

TskLayerManager::~TskLayerManager() {
  timer_->SetEnabled(false);
  if (window_) fw::TComponent::Free(window_);
}

void TskLayerManager::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation == fw::TOperation::opRemove && component == window_) window_ = nullptr;
}

void TskLayerManager::ShowLayer(int x, int y, int targetAlpha, const fw::TBitmap& mask, const fw::TBitmap& glow) {
  if (!IsWindows2000OrLater()) return;
  if (window_) HideLayer();
  visible_ = true;
  window_ = fw::TComponent::Create<TskLayerWindow>(this);
  window_->SetVisible(false);
  window_->SetBounds(x, y, glow.Width(), glow.Height());
  const HWND handle = window_->Handle();
  SetWindowLongA(handle, GWL_EXSTYLE, GetWindowLongA(handle, GWL_EXSTYLE) | WS_EX_LAYERED);

  picture_ = std::make_unique<TskBitmap>();
  picture_->AssignFromBitmap(glow);
  TskBitmap gray;
  gray.AssignFromBitmap(mask);
  picture_->AlphaFromGray(gray);
  UpdateLayeredWindowFromBitmap(*picture_, 0, *window_);
  SetWindowPos(handle, topMost_ ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, 0, 0,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);

  targetAlpha_ = targetAlpha < 0 ? 0 : (targetAlpha > 255 ? 255 : targetAlpha);
  alphaStep_ = LayerAlphaStep(targetAlpha_);
  currentAlpha_ = 0;
  timer_->SetEnabled(true);
}

void TskLayerManager::HideLayer() {
  if (!IsWindows2000OrLater()) return;
  timer_->SetEnabled(false);
  picture_.reset();
  visible_ = false;
  if (!window_) return;
  if (const HWND handle = window_->HandleIfAllocated()) {
    SetWindowPos(handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  }
  TskLayerWindow* window = window_;
  window_ = nullptr;
  fw::TComponent::Free(window);
}

void TskLayerManager::FadeTick() {
  if (!picture_ || !window_) return;
  currentAlpha_ = NextLayerAlpha(currentAlpha_, alphaStep_, targetAlpha_);
  UpdateLayeredWindowFromBitmap(*picture_, currentAlpha_, *window_);
  if (currentAlpha_ == targetAlpha_) timer_->SetEnabled(false);
}

void FadeInWindowAlpha(HWND window, int targetAlpha) {
  int alpha = 0;
  DWORD last = 0;
  while (alpha < targetAlpha) {
    const DWORD now = GetTickCount();
    if (now - last > 5) {
      last = now;
      alpha = NextWindowFadeAlpha(alpha, targetAlpha);
      SetWindowAlpha(window, alpha);
    }
  }
}

}  // namespace sk
