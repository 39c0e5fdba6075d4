#pragma once
// Where the program's files live and how INI values are read and written.
#include <cstdint>
#include <string>

#include "framework/IniFiles.h"

// Writes (mode 1) the scrambled value, or reads (any other mode) and
// unscrambles it into `result`; the file object is the caller's.
void AccessScrambledIniFile(fw::TCustomIniFile& ini, uint8_t mode, const std::string& section,
                            const std::string& ident, const std::string& value, std::string& result);

#ifdef _WIN32
// The running executable's directory, with a trailing "\".
std::wstring ProgramDirectory();
// One complete profile access of `fileName`: the file is opened, one key
// read or written, and closed again.
void AccessScrambledIni(const std::wstring& fileName, uint8_t mode, const std::string& section,
                        const std::string& ident, const std::string& value, std::string& result);
#endif
