// Painting helpers on real DCs: the window DC and saved-state owners,
// double-buffered paints, painting a control with its children elsewhere.
#include <gtest/gtest.h>

#include "framework/Exceptions.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/GdiObjects.h"

using namespace fw;

namespace {

// A 32-bit top-down DIB selected into a memory DC, its pixels readable.
class Surface {
 public:
  Surface(int w, int h) : w_(w) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
    old_ = SelectObject(dc_.Get(), bitmap_.Get());
    RECT all{0, 0, w, h};
    FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  ~Surface() { SelectObject(dc_.Get(), old_); }
  HDC Dc() const { return dc_.Get(); }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const uint32_t p = bits_[y * w_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  int w_;
  MemoryDC dc_;
  GdiObject<HBITMAP> bitmap_;
  uint32_t* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

class Swatch : public TCustomControl {
 public:
  Swatch(TComponent* owner, TColor color) : TCustomControl(owner), color_(color) {
    SetControlStyle(ControlStyle() | csOpaque);
  }
  DWORD lastDcType = 0;

 protected:
  void Paint() override {
    lastDcType = GetObjectType(Canvas().Handle());
    Canvas().Brush().color = color_;
    Canvas().FillRect(ClientRect());
  }

 private:
  TColor color_;
};

class GraphicSwatch : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    Canvas().Brush().color = RGBColor(0, 255, 0);
    Canvas().FillRect(ClientRect());
  }
};

}  // namespace

TEST(DeviceContexts, WindowAndSavedDCsGiveBackWhatTheyTookHoweverTheScopeEnds) {
  auto* form = TComponent::Create<TForm>(&Application());
  form->SetBounds(0, 0, 200, 100);
  form->HandleNeeded();
  const int gdi = HandleCounters::Gdi();
  {
    WindowDC whole(form->Handle());
    WindowDC client(form->Handle(), WindowDC::Client);
    EXPECT_NE(whole.Get(), nullptr);
    EXPECT_NE(client.Get(), nullptr);
    EXPECT_EQ(HandleCounters::Gdi(), gdi + 2);
  }
  EXPECT_EQ(HandleCounters::Gdi(), gdi);

  MemoryDC dc;
  HGDIOBJ font = GetCurrentObject(dc.Get(), OBJ_FONT);
  try {
    SavedDC saved(dc.Get());
    SetViewportOrgEx(dc.Get(), 30, 40, nullptr);
    SelectObject(dc.Get(), GetStockObject(ANSI_FIXED_FONT));
    IntersectClipRect(dc.Get(), 0, 0, 1, 1);
    throw EInvalidOperation(L"drawing failed");
  } catch (const EInvalidOperation&) {
  }
  POINT origin;
  GetViewportOrgEx(dc.Get(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font);
  TComponent::Free(form);
}

TEST(DoubleBuffering, ADoubleBufferedControlPaintsIntoAMemoryDCAndTheWindowIsPainted) {
  auto* form = TComponent::Create<TForm>(&Application());
  form->SetBounds(0, 0, 200, 150);
  auto* swatch = TComponent::Create<Swatch>(form, clRed);
  swatch->SetParent(form);
  swatch->SetBounds(0, 0, 60, 40);
  form->Show();
  Application().ProcessMessages();

  InvalidateRect(swatch->Handle(), nullptr, TRUE);
  UpdateWindow(swatch->Handle());
  EXPECT_EQ(swatch->lastDcType, static_cast<DWORD>(OBJ_DC)) << "unbuffered: straight onto the window";

  swatch->SetDoubleBuffered(true);
  InvalidateRect(swatch->Handle(), nullptr, TRUE);
  UpdateWindow(swatch->Handle());
  EXPECT_EQ(swatch->lastDcType, static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(GetUpdateRect(swatch->Handle(), nullptr, FALSE), FALSE);
  WindowDC dc(swatch->Handle(), WindowDC::Client);
  EXPECT_EQ(GetPixel(dc.Get(), 30, 20), RGB(255, 0, 0)) << "the buffer reached the window";
  TComponent::Free(form);
}

TEST(PaintTo, AControlPaintsItselfAndItsChildrenOntoAnotherDC) {
  auto* form = TComponent::Create<TForm>(&Application());
  auto* panel = TComponent::Create<TPanel>(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 100, 80);
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetColor(RGBColor(0, 0, 255));
  auto* child = TComponent::Create<Swatch>(form, clRed);
  child->SetParent(panel);
  child->SetBounds(10, 10, 20, 20);
  auto* graphic = TComponent::Create<GraphicSwatch>(form);
  graphic->SetParent(panel);
  graphic->SetBounds(50, 10, 20, 20);
  form->HandleNeeded();

  Surface surface(120, 100);
  panel->PaintTo(surface.Dc(), 5, 5);
  EXPECT_EQ(surface.At(2, 2), RGB(0, 0, 0)) << "outside the control";
  EXPECT_EQ(surface.At(5 + 2, 5 + 2), RGB(0, 0, 255)) << "the panel's background";
  EXPECT_EQ(surface.At(5 + 15, 5 + 15), RGB(255, 0, 0)) << "a windowed child";
  EXPECT_EQ(surface.At(5 + 55, 5 + 15), RGB(0, 255, 0)) << "a windowless child";
  EXPECT_EQ(surface.At(110, 90), RGB(0, 0, 0)) << "nothing beyond the control";

  // WM_PRINTCLIENT paints the client area the same way (without windowed children).
  Surface printed(100, 80);
  SendMessageW(panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT);
  EXPECT_EQ(printed.At(2, 2), RGB(0, 0, 255));
  EXPECT_EQ(printed.At(55, 15), RGB(0, 255, 0));
  TComponent::Free(form);
}
