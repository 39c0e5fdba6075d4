#pragma once
// Names derived from the downloaded banner configuration. The configuration
// comes from the network, so nothing in it may choose where a file is
// written or what the shell runs.
#include <optional>
#include <string>

namespace support {

// The extension of a picture address: the text from its last "." to the
// end, or empty when a "\" or ":" follows that ".".
std::wstring BannerExtension(const std::wstring& address);

// True when `extension` (with its dot) can end a file name beside the
// executable: a dot and 1 to 32 printable ASCII characters, none of them a
// blank, a dot, a path or stream delimiter or a character the file system
// refuses (so nothing can steer, or have the system rename, the file).
bool IsUsableExtension(const std::wstring& extension);

// The local file name of a banner picture (no directory): the key plus the
// address's extension, whatever format that names. None when the extension
// cannot end a file name: such a picture has no local file at all.
std::optional<std::wstring> BannerFileName(const std::wstring& key, const std::wstring& address);

// True for an http:// or https:// address (scheme compared without regard
// to case) without blanks or control characters: the only links a banner
// hands to the shell.
bool IsWebLink(const std::wstring& url);

}  // namespace support
