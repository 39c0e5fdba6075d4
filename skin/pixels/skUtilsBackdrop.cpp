#include "skin/pixels/skUtilsBackdrop.h"

#include <algorithm>
#include <vector>

#include "framework/Forms.h"

namespace sk {
namespace {

std::vector<const fw::TWinControl*>& CopyingParents() {
  static std::vector<const fw::TWinControl*> parents;
  return parents;
}

// A parent paints its own face through its protected painting operation.
struct FacePainter : fw::TWinControl {
  static void PaintFace(fw::TWinControl& control, HDC dc) { (control.*(&FacePainter::PaintWindow))(dc); }
};

class CopyMark {
 public:
  explicit CopyMark(const fw::TWinControl* parent) : parent_(parent) { CopyingParents().push_back(parent); }
  ~CopyMark() {
    auto& list = CopyingParents();
    list.erase(std::find(list.begin(), list.end(), parent_));
  }
  CopyMark(const CopyMark&) = delete;
  CopyMark& operator=(const CopyMark&) = delete;

 private:
  const fw::TWinControl* parent_;
};

// The DC's state for a scope, with the viewport moved by (dx, dy).
class MovedOrigin {
 public:
  MovedOrigin(HDC dc, int dx, int dy) : dc_(dc), saved_(SaveDC(dc)) { OffsetViewportOrgEx(dc, dx, dy, nullptr); }
  ~MovedOrigin() { RestoreDC(dc_, saved_); }
  MovedOrigin(const MovedOrigin&) = delete;
  MovedOrigin& operator=(const MovedOrigin&) = delete;

 private:
  HDC dc_;
  int saved_;
};

bool Overlap(const fw::TRect& a, const fw::TRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

bool IsPaintingBackdropCopy(const fw::TWinControl* parent) {
  const auto& list = CopyingParents();
  return std::find(list.begin(), list.end(), parent) != list.end();
}

void CopyParentBackdrop(fw::TControl& control, fw::TCanvas& canvas) {
  fw::TWinControl* parent = control.Parent();
  const HDC dc = canvas.Handle();
  if (!parent || !dc) return;
  CopyMark mark(parent);
  {
    MovedOrigin moved(dc, -control.Left(), -control.Top());
    const fw::TRect client = parent->ClientRect();
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    // No multiple-document main windows exist here, so the parent itself
    // erases its background.
    if (parent->HandleAllocated()) {
      SendMessageW(parent->HandleIfAllocated(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    }
    if (!dynamic_cast<fw::TForm*>(parent)) FacePainter::PaintFace(*parent, dc);
  }
  const fw::TRect bounds = control.BoundsRect();
  for (fw::TControl* sibling : parent->ControlList()) {
    if (sibling == &control) break;
    auto* graphic = dynamic_cast<fw::TGraphicControl*>(sibling);
    if (!graphic || !graphic->Visible() || !Overlap(graphic->BoundsRect(), bounds)) continue;
    MovedOrigin moved(dc, graphic->Left() - control.Left(), graphic->Top() - control.Top());
    IntersectClipRect(dc, 0, 0, graphic->Width(), graphic->Height());
    graphic->PaintOn(dc);
  }
}

}  // namespace sk
