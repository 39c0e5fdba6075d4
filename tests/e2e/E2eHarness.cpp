#include "E2eHarness.h"

#include <cstring>
#include <fstream>
#include <thread>

namespace e2e {
namespace {

using namespace std::chrono_literals;

std::filesystem::path DefaultExe() {
  // The build passes the Linux path; Wine shows the root file system as Z:.
  std::string path = QUILLET_EXE_PATH;
  std::wstring wide(path.begin(), path.end());
  if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
  for (auto& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return wide;
}

struct ChildSearch {
  std::wstring windowClass;
  RECT clientRect;  // wanted top-left, relative to the form's client area
  HWND form;
  HWND found = nullptr;
};

std::wstring ClassOf(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  return name;
}

}  // namespace

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    SetProcessDPIAware();
    HDC screen = GetDC(nullptr);
    const int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value;
  }();
  return ppi;
}

int ScaleDesigned(int pixels) { return MulDiv(pixels, ScreenPixelsPerInch(), 96); }

std::filesystem::path MakeScratchDirectory(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::filesystem::path dir =
      std::filesystem::path(temp) / (L"quillet-e2e-" + name + L"-" + std::to_wstring(GetCurrentProcessId()));
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  std::filesystem::create_directories(dir);
  return dir;
}

std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(50ms);
  }
  return condition();
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, 5s)) return L"<clipboard busy>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool SetClipboardText(const std::wstring& text) {
  if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, 5s)) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return set;
}

ClientPixels CaptureScreen(int left, int top, int width, int height) {
  ClientPixels c{width, height, {}};
  if (c.width <= 0 || c.height <= 0) return {};
  c.pixels.resize(static_cast<size_t>(c.width) * static_cast<size_t>(c.height));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, c.width, -c.height, 1, 32, BI_RGB};  // top-down rows
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, c.width, c.height, screen, left, top, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < c.pixels.size(); ++i) c.pixels[i] = p[i] & 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return c;
}

ClientPixels CaptureClient(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return CaptureScreen(origin.x, origin.y, r.right, r.bottom);
}

void KeepOnTop(HWND window) {
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND FindProcessWindow(DWORD pid, const std::wstring& caption, const std::wstring& windowClass, bool visibleOnly) {
  struct Search {
    DWORD pid;
    const std::wstring& caption;
    const std::wstring& windowClass;
    bool visibleOnly;
    HWND found;
  } search{pid, caption, windowClass, visibleOnly, nullptr};
  EnumWindows(
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (owner != s->pid || (s->visibleOnly && !IsWindowVisible(wnd))) return TRUE;
        wchar_t text[256] = {};
        GetWindowTextW(wnd, text, 256);
        if (s->caption != text) return TRUE;
        if (!s->windowClass.empty() && ClassOf(wnd) != s->windowClass) return TRUE;
        s->found = wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

QuilletProcess::QuilletProcess(const std::filesystem::path& directory, const std::filesystem::path& exe)
    : directory_(directory) {
  const std::filesystem::path target = directory_ / L"Quillet.exe";
  std::filesystem::copy_file(exe.empty() ? DefaultExe() : exe, target,
                             std::filesystem::copy_options::overwrite_existing);
  STARTUPINFOW si{sizeof si};
  std::wstring command = L"\"" + target.wstring() + L"\"";
  if (!CreateProcessW(target.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, directory_.c_str(), &si,
                      &process_)) {
    return;
  }
  // The window exists before it is shown; its first show may open an error
  // box, which keeps it from becoming visible until the box is answered.
  WaitFor([&] { return (window_ = FindProcessWindow(process_.dwProcessId, L"TarvoQuillet", L"", false)) != nullptr; },
          30s);
  if (!window_) return;
  WaitFor([&] { return IsWindowVisible(window_) || MessageBoxWindow() != nullptr; }, 30s);
  Sync();
}

QuilletProcess::~QuilletProcess() {
  if (Running()) {
    if (HWND box = MessageBoxWindow()) CloseMessageBox(box);
    Close();
  }
  if (Running()) TerminateProcess(process_.hProcess, 1);
  if (process_.hProcess) {
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

HWND QuilletProcess::Memo(int slot) const {
  static constexpr int kTops[] = {65, 143, 225, 303};
  ChildSearch search{L"Edit", {}, window_};
  search.clientRect.left = ScaleDesigned((slot % 2 == 1) ? 16 : 296);
  search.clientRect.top = ScaleDesigned(kTops[(slot - 1) / 2]);
  EnumChildWindows(
      window_,
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<ChildSearch*>(param);
        if (_wcsicmp(ClassOf(wnd).c_str(), s->windowClass.c_str()) != 0) return TRUE;
        RECT r;
        GetWindowRect(wnd, &r);
        MapWindowPoints(nullptr, s->form, reinterpret_cast<POINT*>(&r), 2);
        if (r.left == s->clientRect.left && r.top == s->clientRect.top) {
          s->found = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND QuilletProcess::Button(const std::wstring& caption) const {
  return FindWindowExW(window_, nullptr, L"Button", caption.c_str());
}

std::wstring QuilletProcess::Text(HWND control) const {
  const LRESULT n = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  const LRESULT got =
      SendMessageW(control, WM_GETTEXT, static_cast<WPARAM>(n + 1), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

void QuilletProcess::SetText(HWND control, const std::wstring& text) const {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void QuilletProcess::Click(HWND button) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 20000, &result);
}

void QuilletProcess::PostClick(HWND button) const { PostMessageW(button, BM_CLICK, 0, 0); }

bool QuilletProcess::Sync() const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

HWND QuilletProcess::MessageBoxWindow() const { return FindProcessWindow(process_.dwProcessId, L"Quillet", L"#32770"); }

std::wstring QuilletProcess::MessageBoxText(HWND box) const {
  // The message is the box's static text control with the id 0xFFFF.
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? Text(text) : std::wstring();
}

void QuilletProcess::CloseMessageBox(HWND box) const { PostMessageW(box, WM_COMMAND, IDOK, 0); }

bool QuilletProcess::Close() {
  if (!Running()) return true;
  PostMessageW(window_, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_.hProcess, 15000) == WAIT_OBJECT_0;
}

bool QuilletProcess::Running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace e2e
