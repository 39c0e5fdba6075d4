#pragma once
// Downloads of the banner configuration and pictures.
#include <string>

namespace support {

// Every download ends within this bound (a time-out is a failure).
constexpr unsigned kDownloadTimeoutMs = 15000;

// The bound DownloadFile uses; tests shorten it.
unsigned DownloadTimeoutMs();
void SetDownloadTimeoutMs(unsigned ms);

// Downloads an http:// or https:// address to `localFile`. True only when
// the server answered with success and the whole body arrived; the body is
// written beside `localFile` and renamed over it only then, so a failure
// leaves an existing file as it was. Any failure or error gives false.
bool DownloadFile(const std::wstring& address, const std::wstring& localFile);

}  // namespace support
