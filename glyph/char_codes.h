#pragma once

#include "platform/char_info.h"

#include <cstdint>
#include <optional>
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

// The character a character field's text names (ParseCharacter's rules: one character, one
// followed by a variation selector, or "U+" and hex); nullopt for anything else and for U+0000,
// which no field can show.
std::optional<Character> CharacterFromField(std::string_view text);

// The code page 932 code of a character: its byte, or lead * 256 + trail; nullopt when code page
// 932 has no form that reads back as the character itself (U+301C WAVE DASH is written as 0x8160,
// which is U+FF5E), and for a variation sequence, which code page 932 cannot carry.
std::optional<int> Cp932CodeOf(const Character& c);

// A decimal number read the way strtol reads one: leading blanks, an optional sign, digits up
// to the first non-digit; no digits give 0; values beyond 32 bits saturate.
int ReadDecimal(std::string_view text);

// "(0x%04X)" of a code field text read as a decimal number, taken as unsigned 32 bits.
std::string CodeHexText(std::string_view codeFieldText);

inline constexpr int kMinCode = 0x20;
inline constexpr int kMaxCode = 0xFFFE;

} // namespace lumina
