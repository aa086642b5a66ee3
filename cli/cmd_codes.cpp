// lumina-cli codes TEXT: what one character is in every code, as key=value lines or JSON.
#include "cli/command.h"
#include "cli/json_text.h"
#include "platform/char_info.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace lumina::cli {
namespace {

// One line of the answer; no value where the code has no form for the character.
struct Field {
    const char* key;
    std::optional<std::string> value;
};

template <typename T>
std::optional<std::string> TextOf(const std::optional<T>& value) {
    return value ? std::optional(value->Text()) : std::nullopt;
}

std::optional<std::string> BytesOf(const std::optional<std::string>& bytes) {
    return bytes ? std::optional(HexBytes(*bytes)) : std::nullopt;
}

std::optional<std::string> Cp932Of(const std::optional<std::uint16_t>& code) {
    if (!code)
        return std::nullopt;
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(*code));
    return text;
}

std::vector<Field> FieldsOf(const Character& c) {
    std::string scalars = CodePointText(c.scalar);
    if (c.selector != 0)
        scalars += " " + CodePointText(c.selector);
    const JapaneseCodes codes = JapaneseCodesOf(c.scalar);
    return {
        {"unicode", scalars},
        {"name", CharName(c)},
        {"block", BlockName(c.scalar)},
        {"utf8", HexBytes(Utf8Of(c))},
        {"utf16", HexUnits(Utf16Of(c))},
        {"cp932", Cp932Of(codes.cp932)},
        {"jisx0208", TextOf(codes.jisx0208)},
        {"jisx0213", TextOf(codes.jisx0213)},
        {"eucjis2004", BytesOf(codes.eucJis2004)},
        {"sjis2004", BytesOf(codes.shiftJis2004)},
    };
}

void PrintText(const std::vector<Field>& fields) {
    for (const Field& f : fields)
        std::printf("%s=%s\n", f.key, f.value.value_or("none").c_str());
}

// One object, one member a line, in the order of the text form; a missing code is null.
void PrintJson(const std::vector<Field>& fields) {
    std::vector<JsonMember> members;
    for (const Field& f : fields)
        members.push_back({f.key, f.value ? JsonString(*f.value) : "null"});
    PrintJsonObject(members);
}

int RunCodes(const std::vector<std::string>& args) {
    std::optional<std::string> text;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            if (i + 1 >= args.size() || (args[i + 1] != "text" && args[i + 1] != "json"))
                return UsageError("codes", "--format needs text or json");
            json = args[++i] == "json";
        } else if (text) {
            return UsageError("codes", "give exactly one character");
        } else {
            text = args[i];
        }
    }
    if (!text)
        return UsageError("codes", "give exactly one character");
    const auto character = ParseCharacter(*text);
    if (!character) {
        return UsageError("codes", "'" + *text +
                                       "' is not one character, nor one with a variation "
                                       "selector after it");
    }
    const auto fields = FieldsOf(*character);
    if (json)
        PrintJson(fields);
    else
        PrintText(fields);
    return 0;
}

const CommandRegistration kCodes("codes", RunCodes);

} // namespace
} // namespace lumina::cli
