#pragma once
// The scrambled, hex-encoded form in which every INI value is stored: a byte
// stream scrambler driven by a 16-bit running key, then two upper-case hex
// digits per byte, so any text becomes one line of "0"-"9" and "A"-"F".
#include <cstdint>
#include <string>
#include <string_view>

namespace support {

// The running key's fixed start and step. Files written with one set cannot
// be read with another, so these never change. The step is a full-period
// linear congruential generator modulo 65536 (multiplier = 1 mod 4, odd
// increment), so the key does not fall into a short cycle on long texts.
constexpr uint16_t kScrambleInitialKey = 0x9E37;
constexpr uint16_t kScrambleMultiplier = 0xD3A5;
constexpr uint16_t kScrambleIncrement = 0x3C6F;

// One step of the running key: modulo 65536, so the arithmetic is done
// unsigned and wide enough that the product never overflows.
constexpr uint16_t NextScrambleKey(uint16_t key, uint8_t scrambled) {
  const uint32_t next = (uint32_t{key} + scrambled) * kScrambleMultiplier + kScrambleIncrement;
  return static_cast<uint16_t>(next & 0xFFFFu);
}

// Text bytes (UTF-8 for slot texts) to the stored value, and back.
std::string ScrambleText(std::string_view text);
std::string UnscrambleText(std::string_view stored);

std::string HexEncode(std::string_view bytes);
// Pairs of characters to bytes; an unpaired last character is ignored and
// characters that are not upper-case hex digits fold into some byte.
std::string HexDecode(std::string_view hex);
// "0"-"9" give 0-9; every other character its code minus 55 ("A" is 10).
int HexDigitValue(char c);

}  // namespace support
