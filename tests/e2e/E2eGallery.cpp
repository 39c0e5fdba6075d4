#include "E2eGallery.h"

#include "E2eHarness.h"
#include "E2eWindows.h"

namespace e2e {

using namespace std::chrono_literals;

std::wstring WinePath(const std::string& linuxPath) {
  std::wstring wide(linuxPath.begin(), linuxPath.end());
  if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
  for (auto& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return wide;
}

GalleryProcess::GalleryProcess(const std::wstring& arguments) {
  const std::wstring exe = WinePath(SKIN_GALLERY_EXE_PATH);
  std::wstring command = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_)) {
    return;
  }
  WaitFor(
      [&] { return (window_ = FindProcessWindow(ProcessId(), L"Quillet Skin Gallery", L"QuilletForm")) != nullptr; },
      30s);
  if (window_) Sync();
}

GalleryProcess::~GalleryProcess() {
  if (Running()) {
    if (HWND box = MessageBoxWindow()) PostMessageW(box, WM_COMMAND, IDOK, 0);
    Close();
  }
  if (Running()) TerminateProcess(process_.hProcess, 1);
  if (process_.hProcess) {
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

HWND GalleryProcess::MessageBoxWindow() const { return FindProcessWindow(ProcessId(), L"Skin Gallery", L"#32770"); }

std::wstring GalleryProcess::MessageBoxText(HWND box) const {
  // The message is the box's static text control with the id 0xFFFF.
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? WindowText(text) : std::wstring();
}

bool GalleryProcess::Sync() const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

bool GalleryProcess::Running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool GalleryProcess::Close() {
  if (!Running()) return true;
  PostMessageW(window_, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_.hProcess, 15000) == WAIT_OBJECT_0;
}

}  // namespace e2e
