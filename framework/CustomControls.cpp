// The two bases of drawn controls: windowless (TGraphicControl) and windowed
// (TCustomControl), both painting through their canvas.
#include "framework/Controls.h"

namespace fw {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

namespace {
// The canvas borrows the DC for one paint, however the paint ends.
class CanvasOn {
 public:
  CanvasOn(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
  ~CanvasOn() { canvas_.SetHandle(nullptr); }
  CanvasOn(const CanvasOn&) = delete;
  CanvasOn& operator=(const CanvasOn&) = delete;

 private:
  TCanvas& canvas_;
};
}  // namespace

void TGraphicControl::PaintOn(HDC dc) {
  CanvasOn on(canvas_, dc);
  canvas_.Font() = Font();
  Paint();
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  CanvasOn on(canvas_, dc);
  canvas_.Font() = Font();
  Paint();
}

}  // namespace fw
