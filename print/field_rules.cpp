#include "print/field_rules.h"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace lumina {

std::optional<int> ReadUnsigned(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

BoundedEdit CheckBoundedField(std::string_view text, int minimum, int maximum) {
    const std::string copy(text);
    errno = 0;
    long value = std::strtol(copy.c_str(), nullptr, 10);
    if (errno == ERANGE)
        value = value < 0 ? minimum : maximum;
    if (value < minimum)
        return {std::nullopt, minimum};
    if (value > maximum)
        return {std::nullopt, maximum};
    return {static_cast<int>(value), std::nullopt};
}

RangeEdit CheckRangeFields(std::string_view fromText, std::string_view toText, int previousFrom,
                           int previousTo, int total, RangeField edited) {
    RangeEdit edit;
    const auto from = ReadUnsigned(fromText);
    const auto to = ReadUnsigned(toText);
    edit.notANumber = !from || !to;
    edit.from = from.value_or(previousFrom);
    edit.to = to.value_or(previousTo);

    if (edited == RangeField::From) {
        if (edit.to < edit.from)
            edit.fixed = std::to_string(edit.to);
        else if (fromText.empty())
            edit.fixed = "1";
    } else {
        // The lower limit never exceeds the total: a start left above a shrunken total would
        // otherwise send the two corrections back and forth for ever.
        const int lowest = edit.from < total ? edit.from : total;
        if (edit.to > total)
            edit.fixed = std::to_string(total);
        else if (toText.empty() || edit.to < lowest)
            edit.fixed = std::to_string(lowest);
    }
    if (edit.fixed) {
        const int value = std::stoi(*edit.fixed);
        (edited == RangeField::From ? edit.from : edit.to) = value;
    }
    return edit;
}

} // namespace lumina
