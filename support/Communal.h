#pragma once
// Where the program's files live and how INI values are read and written.
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/IniFiles.h"

namespace support {

// Writes (mode 1) the scrambled value, or reads (any other mode) and
// unscrambles it into `result`; the file object is the caller's.
void AccessScrambledIniFile(fw::TCustomIniFile& ini, uint8_t mode, const std::string& section, const std::string& ident,
                            const std::string& value, std::string& result);

// Stored texts are UTF-8 bytes. True when `bytes` are well-formed UTF-8;
// anything else came from a file written in the ANSI code page, or is corrupt.
bool IsUtf8(std::string_view bytes);

#ifdef _WIN32
// The running executable's directory, with a trailing "\".
std::wstring ProgramDirectory();
// One complete profile access of `fileName`: the file is opened, one key
// read or written, and closed again.
void AccessScrambledIni(const std::wstring& fileName, uint8_t mode, const std::string& section,
                        const std::string& ident, const std::string& value, std::string& result);
// A stored text for the screen: UTF-8 when it is valid UTF-8, else read
// through the ANSI code page, so older files load and corrupt bytes never
// become arbitrary code points (which text shaping may not survive).
std::wstring StoredTextToWide(const std::string& bytes);
#endif

}  // namespace support
