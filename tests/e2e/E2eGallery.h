#pragma once
// Starts skin-gallery.exe under Wine and finds its windows (their names
// and texts are listed at the top of tools/skin-gallery/main.cpp).
#include <windows.h>

#include <filesystem>
#include <string>

namespace e2e {

// A path of the Linux file system as the program sees it (drive Z:).
std::wstring WinePath(const std::string& linuxPath);

class GalleryProcess {
 public:
  // `arguments` follow the program's name on its command line.
  explicit GalleryProcess(const std::wstring& arguments = L"");
  ~GalleryProcess();
  GalleryProcess(const GalleryProcess&) = delete;
  GalleryProcess& operator=(const GalleryProcess&) = delete;

  // The main window, once it exists (it shows before any message box).
  HWND Window() const { return window_; }
  DWORD ProcessId() const { return process_.dwProcessId; }
  // The open message box titled "Skin Gallery", if any, and its text.
  HWND MessageBoxWindow() const;
  std::wstring MessageBoxText(HWND box) const;
  // Returns once the program has handled every message sent before.
  bool Sync() const;
  bool Running() const;
  // Closes the main window and waits for the process to end.
  bool Close();

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace e2e
