#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumina {

// A margin or page field after an edit: a value in range is taken; one outside is corrected
// to the nearest limit and taken only when the corrected text arrives as the next edit.
struct BoundedEdit {
    std::optional<int> taken;
    std::optional<int> correctTo;
};

// The field's text read as the platform reads a number field (no number reads as 0).
BoundedEdit CheckBoundedField(std::string_view text, int minimum, int maximum);

// An unsigned decimal integer, or nullopt when the text is not one (empty, signs, letters).
std::optional<int> ReadUnsigned(std::string_view text);

enum class RangeField { From, To };

struct RangeEdit {
    bool notANumber = false; // "正の整数を入力してください。" is shown
    int from = 1;            // the values after the edit
    int to = 1;
    std::optional<std::string> fixed; // new text of the edited field, when it must change
};

// The "開始：" / "- 終了：" pair after an edit of one of them. A field that holds no number
// keeps its previous value; then the edited field is brought in line with the other and the
// total.
RangeEdit CheckRangeFields(std::string_view fromText, std::string_view toText, int previousFrom,
                           int previousTo, int total, RangeField edited);

} // namespace lumina
