#pragma once
// Controls: windowless (TGraphicControl) and windowed (TWinControl) ones.
// Every message a control receives goes through its hook chain and then its
// own WndProc, so a component can put itself in front of a control's own
// handling with a WindowHook and leave by destroying it.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/WindowHook.h"

namespace fw {

// Notifications the framework sends to a control about itself.
enum : UINT {
  CM_BASE = 0xB000,
  CM_MOUSEENTER = CM_BASE + 19,
  CM_MOUSELEAVE = CM_BASE + 20,
  CM_FONTCHANGED = CM_BASE + 9,
  CM_COLORCHANGED = CM_BASE + 8,
  CM_TEXTCHANGED = CM_BASE + 18,
  CM_VISIBLECHANGED = CM_BASE + 5,
  CM_ENABLEDCHANGED = CM_BASE + 3,
  // Messages a parent reflects back to the child window they concern.
  CN_BASE = 0xBC00,
  CN_COMMAND = CN_BASE + WM_COMMAND,
  CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT,
  CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC,
};

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = uint32_t;  // MK_* flags of the mouse message
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crHandPoint = -21;

enum TControlStyleFlag : uint32_t {
  csClickEvents = 1 << 0,  // a press and release over the control is a click
  csOpaque = 1 << 1,       // paints its whole area; nothing behind shows
  csAcceptsControls = 1 << 2,
};

using TMouseEvent = std::function<void(TComponent* sender, TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState, int x, int y)>;

class TWinControl;

// Limits of a control's size, in pixels; 0 (or less) is no limit. Where a
// minimum exceeds its maximum, the minimum wins.
class TSizeConstraints {
 public:
  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MaxHeight() const { return maxHeight_; }
  void SetMinWidth(int v) { Set(minWidth_, v); }
  void SetMinHeight(int v) { Set(minHeight_, v); }
  void SetMaxWidth(int v) { Set(maxWidth_, v); }
  void SetMaxHeight(int v) { Set(maxHeight_, v); }
  // The size within the limits.
  int ConstrainWidth(int width) const { return Constrain(width, minWidth_, maxWidth_); }
  int ConstrainHeight(int height) const { return Constrain(height, minHeight_, maxHeight_); }
  // Told of every change; the control applies the limits to its size.
  std::function<void()> OnChange;

 private:
  static int Constrain(int v, int min, int max) {
    if (max > 0 && v > max) v = max;
    if (min > 0 && v < min) v = min;
    return v;
  }
  void Set(int& field, int v) {
    if (v < 0) v = 0;
    if (v == field) return;
    field = v;
    if (OnChange) OnChange();
  }
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // The message entry point: the hooks, newest first, then WndProc.
  void WindowProc(TMessage& message);
  WindowHookChain& Hooks() { return hooks_; }
  virtual void WndProc(TMessage& message);
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  virtual void SetClientWidth(int v);
  virtual void SetClientHeight(int v);
  // Applied whenever the bounds are set, and to the size the control has
  // when they change; a form also gives them to the system's sizing.
  TSizeConstraints& Constraints() { return constraints_; }
  const TSizeConstraints& Constraints() const { return constraints_; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to a shown window.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // Caption and Text are one value, as for the platform's windows.
  virtual std::wstring Text() const { return text_; }
  virtual void SetText(const std::wstring& text);
  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& text) { SetText(text); }

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint) { hint_ = hint; }
  // Whether the hint shows: the parent's answer while ParentShowHint (the
  // default), else the control's own; setting it ends ParentShowHint.
  bool ShowHint() const;
  void SetShowHint(bool value) {
    showHint_ = value;
    parentShowHint_ = false;
  }
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value) { parentShowHint_ = value; }
  uint32_t ControlStyle() const { return controlStyle_; }
  void SetControlStyle(uint32_t style) { controlStyle_ = style; }

  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  // The control's origin in its nearest window's client coordinates.
  virtual TPoint ClientOrigin() const;

  virtual void Invalidate();
  virtual void Update();
  void Repaint() {
    Invalidate();
    Update();
  }
  void BringToFront();

  // Scales position, size and font by m/d (the layout's resolution to the
  // screen's), once: what alignment or the text sizes is laid out again from
  // the scaled values.
  virtual void ScaleBy(int m, int d);

  virtual void Click();
  TNotifyEvent OnClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  // The cursor came onto / went off the control (CM_MOUSEENTER/CM_MOUSELEAVE).
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual void DefaultHandler(TMessage& message) {}
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void FontChanged();
  virtual void ColorChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  virtual void Resize();
  virtual void BoundsChanged() {}
  // The parts of ScaleBy: bounds, and the font unless it is the parent's
  // (true when it was scaled; nobody has been told yet).
  virtual void ScaleBounds(int m, int d);
  bool ScaleFont(int m, int d);
  // The parent asks for the new font or colour when ParentFont/ParentColor.
  void ParentFontChanged();
  void ParentColorChanged();
  void RequestAlign();

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

 private:
  void HandleMouse(TMessage& message);

  TWinControl* parent_ = nullptr;
  TSizeConstraints constraints_;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::wstring text_;
  TFont font_;
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  TCursor cursor_ = crDefault;
  WindowHookChain hooks_;
  std::wstring hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  uint32_t controlStyle_ = 0;
  bool pressed_ = false;
  friend class TWinControl;
};

// What a windowed control asks the platform for when its window is made.
struct TCreateParams {
  std::wstring windowClass;  // a class of ours, or a system class to subclass
  bool systemClass = false;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;
  // The creation data a system class reads (the MDI client's
  // CLIENTCREATESTRUCT); our own classes get the object instead.
  void* systemParam = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  HWND HandleIfAllocated() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window (its procedure and hooks hear WM_DESTROY and
  // WM_NCDESTROY) and makes a new one.
  void RecreateWnd();
  void DestroyHandle();
  static TWinControl* FromHandle(HWND wnd);

  // Children in the order they were inserted.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  const std::vector<TControl*>& ControlList() const { return controls_; }
  TControl* ControlAtPos(TPoint p, bool allowDisabled = false) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  const std::vector<TWinControl*>& TabList() const { return tabList_; }
  bool CanFocus() const;
  bool Focused() const;
  void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  std::wstring Text() const override;
  void SetText(const std::wstring& text) override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void Invalidate() override;
  void Update() override;
  void ScaleBy(int m, int d) override;
  void WndProc(TMessage& message) override;

  // Lays out the aligned children within the client area.
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  // Paints windowless children onto `dc` (client coordinates).
  void PaintControls(HDC dc);
  // Paints the control with its children onto `dc` at (x, y): background,
  // face, windowless and windowed children of the client area (a standard
  // control prints itself whole, border included).
  void PaintTo(HDC dc, int x, int y);
  // Paints compose off-screen and reach the window in one copy.
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }

  // Frees owned components and then the window while the object is whole.
  void BeforeDestruction() override;

  // The window procedure of every framework window.
  static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // After the window exists (children not yet created).
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void AfterCreateWnd() {}
  virtual void DestroyWnd();
  void DefaultHandler(TMessage& message) override;
  // Paints the window's own face (framework classes only).
  virtual void PaintWindow(HDC dc) {}
  // The part of the client area aligned children may use.
  virtual void AdjustClientRect(TRect& rect) const {}
  virtual void AlignControls(TRect& rect);
  void FontChanged() override;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void UpdateBoundsFromWindow();
  bool isStandardControl_ = false;  // a system class: it paints itself

 private:
  void HandleParentMouse(TMessage& message);
  // Enter and leave of the window itself and of its windowless children;
  // the frame's leave is tracked too (MouseTracking.cpp).
  void MouseMovedInside();
  void MouseLeftClient();
  void MouseMovedOnFrame();
  bool HandleSetCursor(TMessage& message);
  void CreateChildHandles();
  void WMPaint();
  void DetachHandle();
  // Background, face and windowless children onto `dc` (client coordinates).
  void PaintClient(HDC dc);
  void EraseBackground(HDC dc);

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int loadedTabOrder_ = -1;  // kept until every sibling exists
  int alignDisabled_ = 0;
  bool aligning_ = false;
  bool doubleBuffered_ = false;
  bool erasingBuffer_ = false;  // WM_ERASEBKGND is for the paint buffer
  TControl* mouseCapture_ = nullptr;
  TControl* mouseOver_ = nullptr;  // the windowless child under the cursor
  bool mouseInside_ = false;       // CM_MOUSEENTER sent, CM_MOUSELEAVE not yet
  bool trackingFrame_ = false;     // a WM_NCMOUSELEAVE is to come
  friend class TControl;
};

// A windowless control drawn on its parent's surface.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }
  // Called by the parent with the canvas origin at the control's top-left.
  void PaintOn(HDC dc);

 protected:
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

// A windowed control of our own class that paints itself on a canvas.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
};

// Registers the framework's window classes (once).
void RegisterFrameworkWindowClasses();
extern const wchar_t kControlWindowClass[];
extern const wchar_t kFormWindowClass[];

}  // namespace fw
