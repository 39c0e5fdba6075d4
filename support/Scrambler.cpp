#include "support/Scrambler.h"

namespace support {

namespace {

uint8_t HighByte(uint16_t key) { return static_cast<uint8_t>(key >> 8); }

}  // namespace

std::string ScrambleText(std::string_view text) {
  uint16_t key = kScrambleInitialKey;
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto t = static_cast<uint8_t>(ch);
    const auto s = static_cast<uint8_t>(t ^ HighByte(key));
    key = NextScrambleKey(key, s);
    // A byte equal to the key's high byte would scramble to zero: it is
    // stored as itself instead, and the reader knows to expect that.
    out += static_cast<char>(s == 0 ? t : s);
  }
  return HexEncode(out);
}

std::string UnscrambleText(std::string_view stored) {
  const std::string bytes = HexDecode(stored);
  uint16_t key = kScrambleInitialKey;
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto c = static_cast<uint8_t>(ch);
    if (c == HighByte(key)) {
      out += static_cast<char>(c);
      key = NextScrambleKey(key, 0);
    } else {
      out += static_cast<char>(c ^ HighByte(key));
      key = NextScrambleKey(key, c);
    }
  }
  return out;
}

std::string HexEncode(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto b = static_cast<uint8_t>(ch);
    out += kDigits[b >> 4];
    out += kDigits[b & 0x0F];
  }
  return out;
}

std::string HexDecode(std::string_view hex) {
  std::string out;
  out.reserve(hex.size() / 2);
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    const int value = 16 * HexDigitValue(hex[i]) + HexDigitValue(hex[i + 1]);
    out += static_cast<char>(static_cast<uint8_t>(value & 0xFF));
  }
  return out;
}

int HexDigitValue(char c) {
  const int code = static_cast<unsigned char>(c);
  return (c >= '0' && c <= '9') ? code - 48 : code - 55;
}

}  // namespace support
