// lumina-cli code TEXT / lumina-cli text CODE: the two conversions of character codes.
#include "cli/command.h"
#include "glyph/char_codes.h"
#include "platform/cp932.h"

#include <cstdio>

namespace lumina::cli {
namespace {

int RunCode(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return UsageError("code", "give exactly one character");
    const auto bytes = cp932::FromUtf8(args[0]);
    if (!bytes)
        return UsageError("code", "'" + args[0] + "' has no code page 932 form");
    const int code = bytes->size() <= 2 ? CodeFromCharText(*bytes) : 0;
    if (code == 0)
        return UsageError("code", "'" + args[0] + "' is not one character");
    std::printf("%d\n0x%04X\n", code, code);
    return 0;
}

int RunText(const std::vector<std::string>& args) {
    long code = 0;
    if (args.size() != 1 || !ParseInt(args[0], code))
        return UsageError("text", "give one code, decimal or 0x hexadecimal");
    if (code < kMinCode || code > kMaxCode)
        return UsageError("text", "the code must lie between 32 (0x0020) and 65534 (0xFFFE)");
    const auto text = cp932::ToUtf8(CharTextFromCode(static_cast<int>(code)));
    if (!text)
        return Failure("code " + args[0] + " is not a code page 932 character");
    std::printf("%s\n", text->c_str());
    return 0;
}

const CommandRegistration kCode("code", RunCode);
const CommandRegistration kText("text", RunText);

} // namespace
} // namespace lumina::cli
