#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumina {

// The code of a one-character code page 932 text: its byte, or lead * 256 + trail; 0 when the
// bytes are not exactly one character.
int CodeFromCharText(std::string_view cp932Bytes);

// The code page 932 bytes of a code: two bytes from 256 on, else one.
std::string CharTextFromCode(int code);

// The text the character field shows for a code (undecodable bytes as U+FFFD).
std::string DisplayTextFromCode(int code);

// A decimal number read the way strtol reads one: leading blanks, an optional sign, digits up
// to the first non-digit; no digits give 0; values beyond 32 bits saturate.
int ReadDecimal(std::string_view text);

// "(0x%04X)" of a code field text read as a decimal number, taken as unsigned 32 bits.
std::string CodeHexText(std::string_view codeFieldText);

inline constexpr int kMinCode = 0x20;
inline constexpr int kMaxCode = 0xFFFE;

} // namespace lumina
