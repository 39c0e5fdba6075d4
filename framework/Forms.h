#pragma once
// Forms, the application object and the screen.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/HintTiming.h"
#include "framework/Hints.h"
#include "framework/Icons.h"
#include "framework/Layout.h"
#include "framework/Menus.h"

namespace fw {

class TMainMenu;
class TMDIClient;

enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TTileMode { tbHorizontal, tbVertical };

// Questions put as messages, so that a component hooking a form's window
// procedure (one that draws the frame itself) can answer them.
enum : UINT {
  // Result 1 when the form shows maximised.
  CM_ISMAXIMIZED = CM_BASE + 0x70,
  // The application's hint to show: lParam is a const std::wstring*; a
  // control that shows it answers 1.
  CM_HINTACTION = CM_BASE + 0x71,
};

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  // OnDestroy, then the owned components and the window.
  void BeforeDestruction() override;

  // Reads the form's layout text; then runs OnCreate.
  void LoadLayout(const std::string& text, const LayoutSources& sources);

  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  // The resolution the layout was designed at; the form scales itself to
  // the screen's when it has been loaded, and from then on it is the
  // screen's.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }
  void SetTextHeight(int h) { textHeight_ = h; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }

  // Normal, stay-on-top (a topmost window), or a part of a multiple-document
  // interface: the parent keeps its children in a client window (MDI.h)
  // that takes the client area its aligned controls leave; a child lives
  // in the client window of the nearest owner that is an MDI parent, else
  // in the main form's. A parent with children cannot stop being one.
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);

  // Active: the form has the activation (a child: it is its parent's active
  // child). OnActivate and OnDeactivate tell of each change, the form that
  // loses the activation first.
  bool Active() const { return active_; }
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

  // Normal, minimised or maximised. Set on a hidden form, it applies when
  // the form shows; changes the system makes (caption buttons, double
  // clicks, the system menu) are recorded as they come.
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);

  // The icon of the caption and the task bar; an empty one shows the
  // program's. The form owns it.
  const TIcon& Icon() const { return icon_; }
  void SetIcon(TIcon icon);

  // The client size is kept: when the frame changes (SWP_FRAMECHANGED, or a
  // frame a hook computes from the first WM_NCCALCSIZE) the window is
  // resized around it by the measured frame.
  TRect ClientRect() const override;
  void SetClientWidth(int v) override;
  void SetClientHeight(int v) override;
  bool Showing() const override;
  void SetVisible(bool visible) override;
  void Close();
  // Asks the form (and whatever hooks it) whether it shows maximised.
  bool Maximized() { return Perform(CM_ISMAXIMIZED) != 0; }
  void Loaded() override;
  void WndProc(TMessage& message) override;

  // Keyboard focus moves through the windowed controls in tab order.
  void SelectNext(TWinControl* current, bool forward);
  TWinControl* ActiveControl() const;

  // An MDI parent's client window and children (MDI.cpp). Children are
  // listed in their order on screen, the active one first.
  TMDIClient* MDIClient() const { return mdiClient_; }
  HWND ClientHandle() const;
  int MDIChildCount() const;
  TForm* MDIChildren(int index) const;
  TForm* ActiveMDIChild() const;
  void Cascade();
  void Tile(TTileMode mode = TTileMode::tbHorizontal);
  void ArrangeIcons();
  // Activates the next or the previous child.
  void Next();
  void Previous();
  // An MDI parent's caption is its own, without the maximised child's
  // caption the system shows after it.
  std::wstring Text() const override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnDestroy;
  std::function<void(TComponent* sender, TCloseAction& action)> OnClose;

  // Menu bar and short cuts (MenusWin.cpp). The menu is not owned; it
  // leaves the form when it is freed.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Asked before the menus for every key press that may be a short cut
  // (`shift`: scShift, scCtrl, scAlt); setting `handled` takes the key.
  std::function<void(TComponent* sender, uint16_t key, TShortCut shift, bool& handled)> OnShortCut;

 protected:
  void CreateWindowHandle(const TCreateParams& params) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AfterCreateWnd() override;
  void DestroyWnd() override;
  void DefaultHandler(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void ScaleBounds(int m, int d) override;
  virtual void DoCreate();
  virtual void DoShow();

 private:
  void CollectTabStops(TWinControl* container, std::vector<TWinControl*>& out) const;
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;
  void ApplyClientSize();
  // The window's frame as it is now: outer size minus client size.
  TPoint FrameSize() const;
  // Resizes the window around the kept client size.
  void FitFrameToClient();
  void KeepClientSize();
  // The ShowWindow command that shows the form in its window state.
  int ShowCommand() const;
  void SetActive(bool active);
  void ApplyIcon();
  void ApplyConstraints(MINMAXINFO& info) const;
  void ApplyFormStyle(TFormStyle old);
  std::vector<TForm*> MDIChildList() const;
  TForm* FindMDIParent() const;
  void CreateMDIChildWindow(const TCreateParams& params);

  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TPosition position_ = TPosition::poDesigned;
  int pixelsPerInch_ = 96;
  int textHeight_ = 13;
  bool autoScroll_ = false;
  // The layout's client size until the window exists; then the client
  // size as last set or sized, kept across frame changes.
  int clientWidth_ = -1;
  int clientHeight_ = -1;
  TMainMenu* menu_ = nullptr;
  bool creating_ = false;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TWindowState windowState_ = TWindowState::wsNormal;
  bool active_ = false;
  TIcon icon_;
  TMDIClient* mdiClient_ = nullptr;  // owned
};

// The application window's and the message loop's handling can be taken
// over through their hook chains (Hooks() and MessageHooks()).
class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  void Initialize();
  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title);
  TForm* MainForm() const { return mainForm_; }
  HWND Handle() const { return handle_; }
  // Messages of the application window, before its default handling.
  WindowHookChain& Hooks() { return hooks_; }
  // Every queued message the loop takes, before the loop's own handling
  // (tab keys, translation, dispatch); a hook that does not pass a message
  // on has handled it.
  MessageHookChain& MessageHooks() { return messageHooks_; }

  // Creates a form owned by the application; the first becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = TComponent::Create<T>(this);
    if (!mainForm_) mainForm_ = form;
    return form;
  }
  // Shows the main form (unless ShowMainForm was turned off, as a tray
  // icon that starts minimised does) and runs the message loop until it
  // closes.
  void Run();
  bool ShowMainForm = true;
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Minimises the whole application: the main form goes to the task bar
  // and the other shown forms hide until Restore brings them back with it.
  // The main form's own minimise and restore commands do the same.
  void Minimize();
  void Restore();
  bool Minimized() const;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  // Dispatches one message if there is one; false when the queue is empty.
  bool ProcessMessage();
  void ProcessMessages();

  // Shows the error's message in a message box titled with the application
  // title; the loop then goes on.
  void HandleException(std::exception_ptr error);
  // Replaces the message box (tests record what would have been shown).
  std::function<void(const std::wstring& message)> OnException;

  // The long hint (after a '|') of the control under the mouse. A change
  // goes to OnHint when set, else to the forms' controls until one shows it.
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  TNotifyEvent OnHint;

  // Hints (Hints.cpp). The hint of the control under the cursor shows after
  // HintPause, or HintShortPause when moving on from a shown hint, and hides
  // after HintHidePause, on a click or a key, when the cursor leaves the
  // control or when the application loses the activation.
  bool ShowHint() const { return showHint_; }
  // Off frees the hint window; back on, the next hint makes a new one.
  void SetShowHint(bool value);
  int HintPause() const;
  void SetHintPause(int ms);
  int HintShortPause() const;
  void SetHintShortPause(int ms);
  int HintHidePause() const;
  void SetHintHidePause(int ms);
  // Makes the hint window; a new class takes effect with the next hint
  // (an empty one restores the framework's).
  const THintWindowClass& HintWindowClass() const { return hintWindowClass_; }
  void SetHintWindowClass(THintWindowClass windowClass);
  THintWindow* HintWindow() const { return hintWindow_; }
  // The control whose hint is pending or shown.
  TControl* HintControl() const;
  bool HintShowing() const;
  // Before a hint shows: may change the text and the record, or refuse.
  std::function<void(std::wstring& hintStr, bool& canShow, THintInfo& hintInfo)> OnShowHint;
  // Shows at once the hint of the control at `cursorPos` (screen).
  void ActivateHint(TPoint cursorPos);
  // Hides the hint and forgets its control: moving over it again starts anew.
  void CancelHint();
  // Hides the hint window only.
  void HideHint();

  // The text shown for an error.
  static std::wstring ExceptionMessage(std::exception_ptr error);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool HandleTabKey(const MSG& msg);
  // The status line's long hint and the hint window follow the mouse.
  void HintFromMouse(const MSG& msg);
  void SetHintControl(TControl* control);
  void DismissHint();
  void ApplyHintStep(const HintScheduler::Step& step);
  void StartHintTimer(HintScheduler::TimerAction action, int interval);
  void ShowHintWindow();
  THintWindow* EnsureHintWindow();
  void FreeHintWindow();
  void HandleMessage(MSG& msg);
  static LRESULT CALLBACK AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  WindowHookChain hooks_;
  MessageHookChain messageHooks_;
  std::wstring title_;
  std::wstring hint_;
  HWND handle_ = nullptr;
  TForm* mainForm_ = nullptr;
  // Forms hidden while the application is minimised (some may be gone
  // by the time it is restored).
  std::vector<TForm*> minimizedForms_;
  bool terminated_ = false;
  bool showingError_ = false;
  bool showHint_ = true;
  HintScheduler hintScheduler_;
  THintWindowClass hintWindowClass_ = DefaultHintWindowClass();
  THintWindow* hintWindow_ = nullptr;  // owned
  UINT_PTR hintTimer_ = 0;             // of the shared message window
};

class TScreen {
 public:
  int PixelsPerInch() const;
  // Tests build forms for another screen resolution with this; 0 goes back
  // to the screen's own.
  void SetPixelsPerInchForTests(int ppi) { testPixelsPerInch_ = ppi; }
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  TRect WorkAreaRect() const;
  HCURSOR Cursors(TCursor cursor) const;
  const std::vector<TForm*>& Forms() const { return forms_; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* ActiveForm() const;

 private:
  friend class TForm;
  std::vector<TForm*> forms_;
  int testPixelsPerInch_ = 0;
};

TApplication& Application();
TScreen& Screen();

// A length in pixels at 96 pixels per inch, as a control's form is shown
// (scaled as its layout was): for sizes code sets after loading.
int ScaleDesigned(const TControl& control, int pixels);

}  // namespace fw
