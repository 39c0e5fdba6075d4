#pragma once
// Drives the real Quillet.exe from outside, as a user (or another program)
// would: a scratch program directory per run, the window found by its
// caption, memos and buttons by their place in the window, message boxes
// by their title.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The screen's resolution, as the program sees it (this process declares
// itself aware of it, as the program does, so that nothing is virtualised),
// and a length of the window's layout, designed at 96, on this screen.
int ScreenPixelsPerInch();
int ScaleDesigned(int pixels);

// A fresh, empty directory for one test's copy of the program.
std::filesystem::path MakeScratchDirectory(const std::wstring& name);
std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);
// Polls `condition` until it holds or `timeout` passes.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// The clipboard's Unicode text, shared with every process on the desktop.
std::wstring ClipboardText();
bool SetClipboardText(const std::wstring& text);

class QuilletProcess {
 public:
  // Copies the program into `directory` and starts it there; `exe` defaults
  // to the build's Quillet.exe.
  explicit QuilletProcess(const std::filesystem::path& directory, const std::filesystem::path& exe = {});
  ~QuilletProcess();
  QuilletProcess(const QuilletProcess&) = delete;
  QuilletProcess& operator=(const QuilletProcess&) = delete;

  HWND Window() const { return window_; }
  DWORD ProcessId() const { return process_.dwProcessId; }
  const std::filesystem::path& Directory() const { return directory_; }
  std::filesystem::path ConfigFile() const { return directory_ / L"config.ini"; }

  // The slot memo n (1 to 8), found by its designed place in the window
  // (scaled to the screen, as the window is).
  HWND Memo(int slot) const;
  HWND Button(const std::wstring& caption) const;
  std::wstring Text(HWND control) const;
  void SetText(HWND control, const std::wstring& text) const;
  // Clicks and returns once the click has been handled.
  void Click(HWND button) const;
  // Posts a click and returns at once: for a handler that opens a modal box.
  void PostClick(HWND button) const;
  // Returns once the program has handled every message sent before. Posted
  // messages may still wait in its queue: sent ones overtake them.
  bool Sync() const;

  // The open message box of this process titled "Quillet", if any.
  HWND MessageBoxWindow() const;
  std::wstring MessageBoxText(HWND box) const;
  void CloseMessageBox(HWND box) const;

  // Closes the window as a user would and waits for the process to end.
  bool Close();
  bool Running() const;

 private:
  std::filesystem::path directory_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// What a window's client area shows on screen, as 0x00RRGGBB per pixel.
struct ClientPixels {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
// Read from the screen (another process's window DC reads back nothing under
// Wine), so the window must lie on top: see KeepOnTop.
ClientPixels CaptureClient(HWND window);
// A rectangle of the screen, as it shows now.
ClientPixels CaptureScreen(int left, int top, int width, int height);
// Puts `window` above all others, without activating it, for captures.
void KeepOnTop(HWND window);

// The top-level window of `pid` with `caption`, or null; hidden windows
// count only when `visibleOnly` is false.
HWND FindProcessWindow(DWORD pid, const std::wstring& caption, const std::wstring& windowClass = L"",
                       bool visibleOnly = true);

}  // namespace e2e
