#include "support/Download.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>

#include "support/BannerNames.h"

namespace support {

namespace {

std::atomic<unsigned> timeoutMs{kDownloadTimeoutMs};

// Nothing we download is anywhere near this; a server that streams without
// end must not fill the memory.
constexpr uint64_t kMaxDownloadBytes = 32 * 1024 * 1024;

// One transfer, shared by the thread that runs it and the caller that waits
// for it. A blocking WinINet call ends early only when its handle is closed
// from another thread, so the caller closes the handles when the bound
// expires; the transfer thread then finds its calls failing and ends. Every
// handle is taken and closed under the lock, so none is closed twice.
class Transfer {
 public:
  enum Slot { kSession, kConnection, kRequest, kSlots };

  // Keeps `h` for closing; false (and `h` closed) once the caller gave up.
  bool Hold(Slot slot, HINTERNET h) {
    std::lock_guard lock(mutex_);
    if (abandoned_) {
      if (h) InternetCloseHandle(h);
      return false;
    }
    handles_[slot] = h;
    return h != nullptr;
  }
  // The handle for the next call, or null once the caller gave up.
  HINTERNET Use(Slot slot) {
    std::lock_guard lock(mutex_);
    return abandoned_ ? nullptr : handles_[slot];
  }
  void Finish(bool ok, std::string body) {
    std::lock_guard lock(mutex_);
    CloseAll();
    ok_ = ok;
    body_ = std::move(body);
    done_ = true;
    finished_.notify_all();
  }
  // Waits up to `ms` for the transfer; on expiry closes its handles, which
  // ends any call blocked on them, and leaves the thread to end by itself.
  bool Wait(unsigned ms, std::string& body) {
    std::unique_lock lock(mutex_);
    if (!finished_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return done_; })) {
      abandoned_ = true;
      CloseAll();
      return false;
    }
    body = std::move(body_);
    return ok_;
  }

 private:
  void CloseAll() {
    for (int slot = kSlots - 1; slot >= 0; --slot) {
      if (handles_[slot]) InternetCloseHandle(handles_[slot]);
      handles_[slot] = nullptr;
    }
  }

  std::mutex mutex_;
  std::condition_variable finished_;
  HINTERNET handles_[kSlots] = {};
  bool abandoned_ = false;
  bool done_ = false;
  bool ok_ = false;
  std::string body_;
};

void SetTimeouts(HINTERNET h, DWORD ms) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                       INTERNET_OPTION_DATA_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
    InternetSetOptionW(h, option, &ms, sizeof ms);
  }
}

bool QueryNumber(HINTERNET request, DWORD what, DWORD& value) {
  DWORD size = sizeof value;
  DWORD index = 0;
  return HttpQueryInfoW(request, what | HTTP_QUERY_FLAG_NUMBER, &value, &size, &index) != FALSE;
}

// The transfer itself, on its own thread: the whole body into `body`, true
// when it completed with a success status.
bool Fetch(Transfer& transfer, const std::wstring& address, DWORD bound, std::string& body) {
  // Per-operation time-outs as well: they end a transfer the caller gave up
  // on even where closing its handles does not interrupt a call.
  if (!transfer.Hold(Transfer::kSession,
                     InternetOpenW(L"Quillet", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0))) {
    return false;
  }
  HINTERNET session = transfer.Use(Transfer::kSession);
  if (!session) return false;
  SetTimeouts(session, bound);
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
  if (!transfer.Hold(Transfer::kConnection,
                     InternetConnectW(session, host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0))) {
    return false;
  }
  HINTERNET connection = transfer.Use(Transfer::kConnection);
  if (!connection) return false;
  SetTimeouts(connection, bound);
  const std::wstring object = std::wstring(path) + extra;
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                      INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH | (secure ? INTERNET_FLAG_SECURE : 0);
  if (!transfer.Hold(Transfer::kRequest, HttpOpenRequestW(connection, L"GET", object.empty() ? L"/" : object.c_str(),
                                                          nullptr, nullptr, nullptr, flags, 0))) {
    return false;
  }
  HINTERNET request = transfer.Use(Transfer::kRequest);
  if (!request) return false;
  // The time-outs must be on the request itself: it does not take them
  // from its parents everywhere.
  SetTimeouts(request, bound);
  if (!HttpSendRequestW(request, nullptr, 0, nullptr, 0)) return false;
  if (!(request = transfer.Use(Transfer::kRequest))) return false;
  DWORD status = 0;
  if (!QueryNumber(request, HTTP_QUERY_STATUS_CODE, status) || status < 200 || status > 299) return false;
  DWORD contentLength = 0;
  const bool hasLength = QueryNumber(request, HTTP_QUERY_CONTENT_LENGTH, contentLength);
  if (hasLength && contentLength > kMaxDownloadBytes) return false;
  char buffer[16384];
  for (;;) {
    if (!(request = transfer.Use(Transfer::kRequest))) return false;
    DWORD read = 0;
    if (!InternetReadFile(request, buffer, sizeof buffer, &read)) return false;
    if (read == 0) break;
    if (body.size() + read > kMaxDownloadBytes) return false;
    body.append(buffer, read);
  }
  // A connection closed early ends the loop like a complete body does.
  return !hasLength || body.size() == contentLength;
}

bool WriteFileBytes(const std::wstring& file, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(file), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

unsigned DownloadTimeoutMs() { return timeoutMs.load(); }
void SetDownloadTimeoutMs(unsigned ms) { timeoutMs.store(ms); }

bool DownloadFile(const std::wstring& address, const std::wstring& localFile) {
  try {
    if (!IsWebLink(address) || localFile.empty()) return false;
    const unsigned bound = timeoutMs.load();
    auto transfer = std::make_shared<Transfer>();
    // The thread owns its share of the transfer and writes no file: one
    // given up may run on a little, harming nothing.
    std::thread([transfer, address, bound] {
      std::string body;
      bool ok = false;
      try {
        ok = Fetch(*transfer, address, bound, body);
      } catch (...) {
      }
      transfer->Finish(ok, ok ? std::move(body) : std::string());
    }).detach();
    std::string body;
    if (!transfer->Wait(bound, body)) return false;
    const std::wstring partFile = localFile + L".part";
    const bool ok = WriteFileBytes(partFile, body) &&
                    MoveFileExW(partFile.c_str(), localFile.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    if (!ok) DeleteFileW(partFile.c_str());
    return ok;
  } catch (...) {
    return false;
  }
}

}  // namespace support
