#pragma once
// Names derived from the downloaded banner configuration. The configuration
// comes from the network, so nothing in it may choose where a file is
// written or what the shell runs.
#include <string>

// The extension of a picture address: the text from its last "." to the
// end, or empty when a "\" or ":" follows that ".".
std::wstring BannerExtension(const std::wstring& address);

// True when `extension` (with its dot) is a plain file extension: a dot
// and 1 to 8 ASCII letters or digits.
bool IsPlainExtension(const std::wstring& extension);

// The local file name of a banner picture (no directory): the key, plus the
// address's extension when that is plain. Never contains a path delimiter.
std::wstring BannerFileName(const std::wstring& key, const std::wstring& address);

// True for an http:// or https:// address (scheme compared without regard
// to case) without blanks or control characters: the only links a banner
// hands to the shell.
bool IsWebLink(const std::wstring& url);
