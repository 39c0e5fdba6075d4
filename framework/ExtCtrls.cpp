#include "framework/ExtCtrls.h"

#include <cwctype>

#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/MessageWindow.h"

namespace fw {

// --- TPanel ----------------------------------------------------------------

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut value) {
  if (value == bevelOuter_) return;
  bevelOuter_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
  if (value == bevelInner_) return;
  bevelInner_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetBevelWidth(int value) {
  if (value == bevelWidth_) return;
  bevelWidth_ = value;
  Realign();
  Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TPanel::AdjustClientRect(TRect& r) const {
  int inset = 0;
  if (bevelOuter_ != TBevelCut::bvNone) inset += bevelWidth_;
  if (bevelInner_ != TBevelCut::bvNone) inset += bevelWidth_;
  r = {r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
}

namespace {
void DrawBevel(TCanvas& canvas, TRect& r, TBevelCut cut, int width) {
  if (cut == TBevelCut::bvNone) return;
  const TColor topLeft = cut == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
  const TColor bottomRight = cut == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
  for (int i = 0; i < width; ++i) {
    if (cut != TBevelCut::bvSpace) {
      canvas.Pen().color = topLeft;
      canvas.MoveTo(r.left, r.bottom - 1);
      canvas.LineTo(r.left, r.top);
      canvas.LineTo(r.right - 1, r.top);
      canvas.Pen().color = bottomRight;
      canvas.LineTo(r.right - 1, r.bottom - 1);
      canvas.LineTo(r.left - 1, r.bottom - 1);
    }
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
}
}  // namespace

void TPanel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  DrawBevel(canvas, r, bevelOuter_, bevelWidth_);
  DrawBevel(canvas, r, bevelInner_, bevelWidth_);
  canvas.Brush().color = Color();
  canvas.FillRect(r);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.DrawTextW(Text(), r, format);
  canvas.Brush().style = TBrushStyle::bsSolid;
}

// --- TPicture ------------------------------------------------------------------

std::map<std::wstring, TPicture::Loader>& TPicture::Formats() {
  static std::map<std::wstring, Loader> formats;
  return formats;
}

namespace {
std::wstring LowerExtension(std::wstring ext) {
  for (auto& c : ext) c = static_cast<wchar_t>(std::towlower(c));
  return ext;
}
}  // namespace

void TPicture::RegisterFileFormat(const std::wstring& extension, Loader loader) {
  Formats()[LowerExtension(extension)] = std::move(loader);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (OnChange) OnChange();
}

void TPicture::LoadFromFile(const std::filesystem::path& file) {
  std::wstring ext = file.extension().wstring();
  if (!ext.empty() && ext[0] == L'.') ext.erase(0, 1);
  const auto it = Formats().find(LowerExtension(ext));
  if (it == Formats().end()) {
    throw EInvalidGraphic(FormatMessage1(L"Unknown picture file extension (.%s)", ext));
  }
  SetGraphic(it->second(file));
}

// --- TImage ----------------------------------------------------------------------

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this] { Invalidate(); };
}

void TImage::SetStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  if (value == center_) return;
  center_ = value;
  Invalidate();
}

TRect TImage::DestRect() const {
  if (stretch_) return ClientRect();
  const int w = picture_.Width();
  const int h = picture_.Height();
  if (center_) return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
  return Bounds(0, 0, w, h);
}

void TImage::Paint() {
  if (const TGraphic* g = picture_.Graphic(); g && !g->Empty()) g->Draw(Canvas(), DestRect());
}

// --- TTimer ------------------------------------------------------------------------

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Update(); }

TTimer::~TTimer() {
  if (id_) MessageWindow::Instance().StopTimer(id_);
}

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Update();
}

void TTimer::SetInterval(unsigned value) {
  if (value == interval_) return;
  interval_ = value;
  Update();
}

void TTimer::Update() {
  MessageWindow& window = MessageWindow::Instance();
  if (id_) window.StopTimer(id_);
  id_ = 0;
  if (!enabled_ || interval_ == 0) return;
  id_ = window.NewTimerId();
  window.StartTimer(id_, interval_, [this] { Tick(); });
}

void TTimer::Tick() {
  if (!enabled_ || !OnTimer) return;
  // The handler may free this timer: it runs from a copy, and nothing of
  // the timer is touched after it.
  const TNotifyEvent handler = OnTimer;
  handler(this);
}

}  // namespace fw
