#include "framework/StdCtrls.h"

#include "framework/GdiObjects.h"

namespace fw {

// --- TMemo ------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  isStandardControl_ = true;
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
}

void TMemo::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.windowClass = L"EDIT";
  p.systemClass = true;
  p.style &= ~WS_CLIPCHILDREN;
  p.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!wordWrap_) p.style |= ES_AUTOHSCROLL;
  if (readOnly_) p.style |= ES_READONLY;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) p.style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) p.style |= WS_HSCROLL;
  p.exStyle |= WS_EX_CLIENTEDGE;
}

void TMemo::AfterCreateWnd() {
  // The edit control's default limit (30,000 characters) would cut a longer
  // text typed or pasted by the user without a word; 0 lifts it.
  SendMessageW(HandleIfAllocated(), EM_SETLIMITTEXT, 0, 0);
}

void TMemo::WndProc(TMessage& m) {
  if (m.msg == WM_GETDLGCODE) {
    // Tab moves the focus on, as in every other control of the window.
    TWinControl::WndProc(m);
    m.result &= ~DLGC_WANTTAB;
    return;
  }
  TWinControl::WndProc(m);
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TMemo::SetReadOnly(bool value) {
  if (value == readOnly_) return;
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(HandleIfAllocated(), EM_SETREADONLY, value, 0);
}

void TMemo::SetLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += L"\r\n";
    text += lines[i];
  }
  SetText(text);
}

void TMemo::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void TMemo::CopyToClipboard() { SendMessageW(Handle(), WM_COPY, 0, 0); }

int TMemo::SelStart() const {
  DWORD start = 0;
  DWORD end = 0;
  if (HandleAllocated())
    SendMessageW(HandleIfAllocated(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TMemo::SelLength() const {
  DWORD start = 0;
  DWORD end = 0;
  if (HandleAllocated())
    SendMessageW(HandleIfAllocated(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

// --- TButton -----------------------------------------------------------------

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  isStandardControl_ = true;
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.windowClass = L"BUTTON";
  p.systemClass = true;
  p.style &= ~WS_CLIPCHILDREN;
  p.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& m) {
  if (m.msg == CN_COMMAND && HIWORD(m.wParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(m);
}

// --- TLabel ------------------------------------------------------------------

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

UINT TLabel::DrawFormat() const {
  UINT format = DT_EXPANDTABS | DT_NOPREFIX | DT_WORDBREAK;
  if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
  if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
  return format;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || HasState(csLoading)) return;
  ScreenDC screen;
  TCanvas canvas(screen.Get());
  canvas.Font() = Font();
  TRect r{0, 0, 0, 0};
  const std::wstring text = Text().empty() ? L" " : Text();
  canvas.DrawTextW(text, r, (DrawFormat() & ~DT_WORDBREAK) | DT_CALCRECT);
  SetBounds(Left(), Top(), r.Width(), r.Height());
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  if (!transparent_) {
    canvas.Brush().color = Color();
    canvas.FillRect(r);
  }
  canvas.Brush().style = TBrushStyle::bsClear;
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawTextW(Text(), r, DrawFormat());
  canvas.Brush().style = TBrushStyle::bsSolid;
}

}  // namespace fw
