#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one conversion between code page 932 (Shift_JIS) and Unicode in the program.
namespace lumina::cp932 {

// Code page 932 bytes of a UTF-8 text; nullopt when a character has no code page 932 form
// or the text is not valid UTF-8.
std::optional<std::string> FromUtf8(std::string_view utf8);

// UTF-8 of code page 932 bytes; nullopt when the bytes are not code page 932 text.
std::optional<std::string> ToUtf8(std::string_view bytes);

// UTF-8 of code page 932 bytes, each undecodable byte shown as U+FFFD.
std::string ToUtf8Lossy(std::string_view bytes);

// The Unicode character of a code (one byte, or lead * 256 + trail); nullopt when the code's
// bytes are not exactly one character.
std::optional<char32_t> CodeToUnicode(std::uint32_t code);

// The bytes of a code: two when code >= 256, else one.
std::string CodeBytes(std::uint32_t code);

// Appends a Unicode scalar value as UTF-8.
void AppendUtf8(std::string& out, char32_t c);

} // namespace lumina::cp932
