#include "support/Download.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "support/BannerNames.h"

namespace {

std::atomic<unsigned> timeoutMs{kDownloadTimeoutMs};

// Nothing we download is anywhere near this; a server that streams without
// end must not fill the disk.
constexpr uint64_t kMaxDownloadBytes = 32 * 1024 * 1024;

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET h) : h_(h) {}
  ~InternetHandle() {
    if (h_) InternetCloseHandle(h_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HINTERNET h_;
};

void SetTimeouts(HINTERNET h, DWORD ms) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
                       INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
    InternetSetOptionW(h, option, &ms, sizeof ms);
  }
}

bool QueryNumber(HINTERNET request, DWORD what, DWORD& value) {
  DWORD size = sizeof value;
  DWORD index = 0;
  return HttpQueryInfoW(request, what | HTTP_QUERY_FLAG_NUMBER, &value, &size, &index) != FALSE;
}

// The transfer into `partFile`; true when it completed.
bool Transfer(const std::wstring& address, const std::wstring& partFile) {
  const DWORD bound = timeoutMs.load();
  const ULONGLONG deadline = GetTickCount64() + bound;
  InternetHandle session(InternetOpenW(L"Quillet", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return false;
  SetTimeouts(session.Get(), bound);
  URL_COMPONENTSW parts{};
  parts.dwStructSize = sizeof parts;
  wchar_t host[256] = {};
  wchar_t path[4096] = {};
  wchar_t extra[4096] = {};
  parts.lpszHostName = host;
  parts.dwHostNameLength = 256;
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = 4096;
  parts.lpszExtraInfo = extra;
  parts.dwExtraInfoLength = 4096;
  if (!InternetCrackUrlW(address.c_str(), 0, 0, &parts)) return false;
  const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  InternetHandle connection(
      InternetConnectW(session.Get(), host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return false;
  SetTimeouts(connection.Get(), bound);
  const std::wstring object = std::wstring(path) + extra;
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                      INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH | (secure ? INTERNET_FLAG_SECURE : 0);
  InternetHandle request(HttpOpenRequestW(connection.Get(), L"GET", object.empty() ? L"/" : object.c_str(), nullptr,
                                          nullptr, nullptr, flags, 0));
  if (!request) return false;
  // The time-outs must be on the request itself: it does not take them
  // from its parents everywhere.
  SetTimeouts(request.Get(), bound);
  if (!HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0)) return false;
  DWORD status = 0;
  if (!QueryNumber(request.Get(), HTTP_QUERY_STATUS_CODE, status) || status < 200 || status > 299) return false;
  DWORD contentLength = 0;
  const bool hasLength = QueryNumber(request.Get(), HTTP_QUERY_CONTENT_LENGTH, contentLength);

  std::ofstream out(std::filesystem::path(partFile), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  uint64_t received = 0;
  char buffer[16384];
  for (;;) {
    if (GetTickCount64() > deadline) return false;
    DWORD read = 0;
    if (!InternetReadFile(request.Get(), buffer, sizeof buffer, &read)) return false;
    if (read == 0) break;
    received += read;
    if (received > kMaxDownloadBytes) return false;
    out.write(buffer, read);
    if (!out) return false;
  }
  out.close();
  if (!out) return false;
  // A connection closed early ends the loop like a complete body does.
  return !hasLength || received == contentLength;
}

}  // namespace

unsigned DownloadTimeoutMs() { return timeoutMs.load(); }
void SetDownloadTimeoutMs(unsigned ms) { timeoutMs.store(ms); }

bool DownloadFile(const std::wstring& address, const std::wstring& localFile) {
  try {
    if (!IsWebLink(address) || localFile.empty()) return false;
    const std::wstring partFile = localFile + L".part";
    const bool ok = Transfer(address, partFile) &&
                    MoveFileExW(partFile.c_str(), localFile.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    if (!ok) DeleteFileW(partFile.c_str());
    return ok;
  } catch (...) {
    return false;
  }
}
