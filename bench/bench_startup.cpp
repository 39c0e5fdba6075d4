// Start-up to a visible window: the skinned main window (Quillet.exe) against
// a bare Win32 window, launched alternately under the same Wine prefix and
// display so both see the same machine. Each launch is timed from just
// before CreateProcess to the program's top-level window being visible, and
// to its answering a message after that (the show handler has returned).
// Prints the medians of each and their ratios; goal: the skinned window
// within 1.5 times the bare one.
//
//   bench_startup.exe [rounds]     (default 15, after one round not counted)
//
// Quillet.exe runs from a folder of its own in the temporary directory; its
// banner site is a reserved, unresolvable name, so downloads fail at once
// and the network does not count.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::filesystem::path WinePath(const char* path) {
  // The build passes Linux paths; Wine shows the root file system as Z:.
  std::wstring wide(path, path + std::strlen(path));
  if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

struct Search {
  DWORD pid;
  const wchar_t* windowClass;
  HWND found = nullptr;
};

// Enumeration callbacks are stdcall on 32-bit Windows, which a lambda
// cannot convert to: plain functions with CALLBACK.
BOOL CALLBACK MatchVisibleWindow(HWND wnd, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(wnd, &owner);
  if (owner != s->pid || !IsWindowVisible(wnd)) return TRUE;
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  if (wcscmp(name, s->windowClass) != 0) return TRUE;
  s->found = wnd;
  return FALSE;
}

HWND VisibleWindowOf(DWORD pid, const wchar_t* windowClass) {
  Search search{pid, windowClass};
  EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK DescribeWindowOf(HWND wnd, LPARAM param) {
  DWORD owner = 0;
  GetWindowThreadProcessId(wnd, &owner);
  if (owner != static_cast<DWORD>(param)) return TRUE;
  wchar_t name[64] = {}, text[128] = {};
  GetClassNameW(wnd, name, 64);
  GetWindowTextW(wnd, text, 128);
  std::fwprintf(stderr, L"  window of class %ls, \"%ls\", %ls\n", name, text,
                IsWindowVisible(wnd) ? L"visible" : L"hidden");
  return TRUE;
}

// Says what the program showed instead (an error box, a window of another
// class), for a launch that never showed its window.
void ListWindowsOf(DWORD pid) { EnumWindows(DescribeWindowOf, static_cast<LPARAM>(pid)); }

struct Launch {
  double visible = -1;     // seconds to the visible window; -1: never
  double responsive = -1;  // seconds until it then answered a message
};

Launch TimeLaunch(const std::filesystem::path& exe, const std::filesystem::path& folder, const wchar_t* windowClass) {
  Launch result;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe.wstring() + L"\"";
  const double t0 = Now();
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
    return result;
  }
  HWND wnd = nullptr;
  while (!(wnd = VisibleWindowOf(pi.dwProcessId, windowClass)) && Now() - t0 < 30) {
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  if (!wnd) ListWindowsOf(pi.dwProcessId);
  if (wnd) {
    result.visible = Now() - t0;
    DWORD_PTR ignored;
    if (SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored)) result.responsive = Now() - t0;
    PostMessageW(wnd, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return result;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const std::filesystem::path bare = WinePath(QUILLET_BARE_EXE);
  // A folder of its own: the program keeps its settings and downloads beside it.
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path folder = std::filesystem::path(temp) / L"quillet-bench-startup";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::filesystem::path quillet = folder / L"Quillet.exe";
  std::filesystem::copy_file(WinePath(QUILLET_EXE), quillet, std::filesystem::copy_options::overwrite_existing);

  std::vector<double> bareVisible, bareReady, skinVisible, skinReady;
  for (int round = 0; round <= rounds; ++round) {
    const Launch b = TimeLaunch(bare, folder, L"QuilletBareWindow");
    const Launch s = TimeLaunch(quillet, folder, L"QuilletForm");
    if (b.responsive < 0 || s.responsive < 0) {
      std::fprintf(stderr, "round %d: a window never showed (bare %.3f s, skinned %.3f s)\n", round, b.visible,
                   s.visible);
      return 1;
    }
    if (round == 0) continue;  // the first launch of each fills Wine's caches
    bareVisible.push_back(b.visible);
    bareReady.push_back(b.responsive);
    skinVisible.push_back(s.visible);
    skinReady.push_back(s.responsive);
  }
  std::filesystem::remove_all(folder);

  const double bv = Median(bareVisible), br = Median(bareReady);
  const double sv = Median(skinVisible), sr = Median(skinReady);
  std::printf("start-up, medians of %d launches each, alternating\n", rounds);
  std::printf("%-24s %10s %10s\n", "", "visible", "answering");
  std::printf("%-24s %8.1f ms %8.1f ms\n", "bare Win32 window", bv * 1e3, br * 1e3);
  std::printf("%-24s %8.1f ms %8.1f ms\n", "skinned main window", sv * 1e3, sr * 1e3);
  std::printf("%-24s %10.2f %10.2f   (goal <= 1.5)\n", "ratio", sv / bv, sr / br);
  return 0;
}
