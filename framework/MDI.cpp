// MDI forms: the parent's client window, the children's creation and
// destruction through it, the default procedures both kinds answer with,
// and the arrangement commands.
#include "framework/MDI.h"

#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/GdiObjects.h"

namespace fw {

namespace {

// Commands of the (absent) window menu would start here; nothing of ours
// uses ids this high.
constexpr UINT kFirstMDIChildId = 0xFF00;

}  // namespace

// --- TMDIClient ----------------------------------------------------------------------

TMDIClient::TMDIClient(TComponent* owner) : TWinControl(owner) {
  isStandardControl_ = true;
  SetAlign(TAlign::alClient);
  clientCreate_.hWindowMenu = nullptr;
  clientCreate_.idFirstChild = kFirstMDIChildId;
}

void TMDIClient::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.windowClass = L"MDICLIENT";
  p.systemClass = true;
  p.systemParam = &clientCreate_;
  // All child styles: a child keeps its own border and visibility instead
  // of the system's standard overlapped look.
  p.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL | MDIS_ALLCHILDSTYLES;
  p.exStyle = WS_EX_CLIENTEDGE;
}

bool HandleMDIKey(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
  HWND client = form ? form->ClientHandle() : nullptr;
  return client && TranslateMDISysAccel(client, &msg);
}

// --- The parent's side ---------------------------------------------------------------

HWND TForm::ClientHandle() const { return mdiClient_ ? mdiClient_->HandleIfAllocated() : nullptr; }

std::vector<TForm*> TForm::MDIChildList() const {
  std::vector<TForm*> children;
  HWND client = ClientHandle();
  if (!client) return children;
  for (HWND wnd = GetWindow(client, GW_CHILD); wnd; wnd = GetWindow(wnd, GW_HWNDNEXT)) {
    if (auto* child = dynamic_cast<TForm*>(FromHandle(wnd)); child && child->formStyle_ == TFormStyle::fsMDIChild) {
      children.push_back(child);
    }
  }
  return children;
}

int TForm::MDIChildCount() const { return static_cast<int>(MDIChildList().size()); }

TForm* TForm::MDIChildren(int index) const { return MDIChildList().at(static_cast<size_t>(index)); }

TForm* TForm::ActiveMDIChild() const {
  HWND client = ClientHandle();
  if (!client) return nullptr;
  auto active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TForm*>(FromHandle(active));
}

void TForm::Cascade() {
  if (HWND client = ClientHandle()) SendMessageW(client, WM_MDICASCADE, 0, 0);
}

void TForm::Tile(TTileMode mode) {
  if (HWND client = ClientHandle()) {
    SendMessageW(client, WM_MDITILE, mode == TTileMode::tbVertical ? MDITILE_VERTICAL : MDITILE_HORIZONTAL, 0);
  }
}

void TForm::ArrangeIcons() {
  if (HWND client = ClientHandle()) SendMessageW(client, WM_MDIICONARRANGE, 0, 0);
}

void TForm::Next() {
  if (HWND client = ClientHandle()) SendMessageW(client, WM_MDINEXT, 0, 0);
}

void TForm::Previous() {
  if (HWND client = ClientHandle()) SendMessageW(client, WM_MDINEXT, 0, 1);
}

// --- The child's side ----------------------------------------------------------------

TForm* TForm::FindMDIParent() const {
  // The nearest owning MDI form, else the main form when it is one.
  for (TComponent* c = Owner(); c; c = c->Owner()) {
    if (auto* form = dynamic_cast<TForm*>(c); form && form->formStyle_ == TFormStyle::fsMDIForm) return form;
  }
  TForm* main = Application().MainForm();
  if (main && main != this && main->formStyle_ == TFormStyle::fsMDIForm) return main;
  return nullptr;
}

void TForm::CreateMDIChildWindow(const TCreateParams& p) {
  TForm* parent = FindMDIParent();
  if (!parent) throw EInvalidOperation(L"Cannot create form. No MDI forms are currently active");
  HWND client = parent->mdiClient_ ? parent->mdiClient_->Handle() : nullptr;
  if (!client) throw EInvalidOperation(L"Cannot create form. No MDI forms are currently active");
  // The object rides in the MDICREATESTRUCT; StaticWndProc finds it there.
  MDICREATESTRUCTW create{};
  create.szClass = p.windowClass.c_str();
  const std::wstring title = TControl::Text();
  create.szTitle = title.c_str();
  create.hOwner = GetModuleHandleW(nullptr);
  create.x = p.x;
  create.y = p.y;
  create.cx = p.width;
  create.cy = p.height;
  create.style = p.style | WS_CHILD | WS_CLIPSIBLINGS;
  create.lParam = reinterpret_cast<LPARAM>(static_cast<TWinControl*>(this));
  if (SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create))) ++HandleCounters::User();
}

void TForm::DestroyWnd() {
  HWND wnd = HandleIfAllocated();
  // The client must hear of a child going: it activates the next one and
  // forgets the maximised child's caption.
  if (wnd && (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
    if (HWND client = GetParent(wnd)) SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(wnd), 0);
    if (!HandleAllocated()) return;
  }
  TWinControl::DestroyWnd();
}

void TForm::DefaultHandler(TMessage& m) {
  HWND wnd = HandleIfAllocated();
  if (!wnd) return;
  if (formStyle_ == TFormStyle::fsMDIForm && m.msg != WM_SIZE) {
    // The frame's procedure would size the client to the whole client
    // area; alignment sizes it around the other aligned controls instead.
    m.result = DefFrameProcW(wnd, ClientHandle(), m.msg, m.wParam, m.lParam);
    return;
  }
  if (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD) {
    m.result = DefMDIChildProcW(wnd, m.msg, m.wParam, m.lParam);
    return;
  }
  TWinControl::DefaultHandler(m);
}

void TForm::ApplyFormStyle(TFormStyle old) {
  if (formStyle_ == TFormStyle::fsMDIForm && !mdiClient_) {
    mdiClient_ = TComponent::Create<TMDIClient>(this);
    mdiClient_->SetParent(this);
  } else if (old == TFormStyle::fsMDIForm && mdiClient_) {
    TComponent::Free(mdiClient_);  // Notification forgets it
  }
  HWND wnd = HandleIfAllocated();
  if (!wnd) return;
  if (old == TFormStyle::fsMDIChild || formStyle_ == TFormStyle::fsMDIChild) {
    // A window cannot move into or out of an MDI client: make another.
    RecreateWnd();
  } else if (old == TFormStyle::fsStayOnTop || formStyle_ == TFormStyle::fsStayOnTop) {
    SetWindowPos(wnd, formStyle_ == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

}  // namespace fw
