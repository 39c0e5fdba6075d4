#pragma once
// Glow layers: a separate top-level window whose picture carries per-pixel
// alpha, shown next to a caption button and faded in by a timer (Windows
// only).
#include <windows.h>

#include <memory>

#include "framework/Controls.h"
#include "framework/ExtCtrls.h"
#include "skin/pixels/skEffectsBitmap.h"

namespace sk {

// A window that never takes the focus and has no painting of its own: its
// content is set with UpdateLayeredWindow.
class TskLayerWindow : public fw::TCustomControl {
 public:
  explicit TskLayerWindow(fw::TComponent* owner);
  void WndProc(fw::TMessage& message) override;

 protected:
  void CreateParams(fw::TCreateParams& params) override;
};

// Puts picture on the layered window at the window's position with a
// uniform alpha on top of its own; false when the system cannot.
bool UpdateLayeredWindowFromBitmap(const TskBitmap& picture, int alpha, TskLayerWindow& window);

class TskLayerManager : public fw::TComponent {
 public:
  explicit TskLayerManager(fw::TComponent* owner);
  ~TskLayerManager() override;

  // Shows glow at (x, y) of the screen, its alpha taken from mask's grey
  // level, fading in to targetAlpha. A layer already up goes first.
  void ShowLayer(int x, int y, int targetAlpha, const fw::TBitmap& mask, const fw::TBitmap& glow);
  // Hides and frees the layer at once.
  void HideLayer();

  bool TopMost() const { return topMost_; }
  void SetTopMost(bool value) { topMost_ = value; }
  bool Visible() const { return visible_; }
  bool Fading() const { return timer_->Enabled(); }
  int TargetAlpha() const { return targetAlpha_; }
  int AlphaStep() const { return alphaStep_; }
  int CurrentAlpha() const { return currentAlpha_; }
  TskLayerWindow* LayerWindow() const { return window_; }
  const TskBitmap* LayerPicture() const { return picture_.get(); }

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  void FadeTick();

  TskLayerWindow* window_ = nullptr;
  std::unique_ptr<TskBitmap> picture_;
  bool topMost_ = true;
  fw::TTimer* timer_ = nullptr;
  bool visible_ = false;
  int targetAlpha_ = 0;
  int alphaStep_ = 0;
  int currentAlpha_ = 0;
};

// Brings a layered window (alpha 0, already painted) up to targetAlpha in
// steps of 10 at least 5 ms apart, on the calling thread.
void FadeInWindowAlpha(HWND window, int targetAlpha);

}  // namespace sk
