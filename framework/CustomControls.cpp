// The two bases of drawn controls: windowless (TGraphicControl) and windowed
// (TCustomControl), both painting through their canvas.
#include "framework/Controls.h"

namespace fw {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::PaintOn(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font() = Font();
  Paint();
  canvas_.SetHandle(nullptr);
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font() = Font();
  Paint();
  canvas_.SetHandle(nullptr);
}

}  // namespace fw
