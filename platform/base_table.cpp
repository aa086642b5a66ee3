#include "platform/base_table.h"

#include <cstddef>

namespace lumina {
namespace {

using Tag = std::uint32_t;

constexpr Tag MakeTag(const char (&s)[5]) {
    return static_cast<Tag>(static_cast<unsigned char>(s[0])) << 24 |
           static_cast<Tag>(static_cast<unsigned char>(s[1])) << 16 |
           static_cast<Tag>(static_cast<unsigned char>(s[2])) << 8 |
           static_cast<Tag>(static_cast<unsigned char>(s[3]));
}

// Big-endian reads at absolute positions; nullopt for any read that does not lie wholly inside
// the table.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes) {}

    std::optional<std::uint16_t> U16(std::size_t at) const {
        if (at > m_bytes.size() || m_bytes.size() - at < 2)
            return std::nullopt;
        return static_cast<std::uint16_t>(m_bytes[at] << 8 | m_bytes[at + 1]);
    }
    std::optional<Tag> U32(std::size_t at) const {
        const auto high = U16(at);
        const auto low = U16(at + 2);
        if (!high || !low)
            return std::nullopt;
        return static_cast<Tag>(*high) << 16 | *low;
    }
    // The position an Offset16 field at `at` points to, counted from `base`; nullopt for a
    // null offset, which means the structure is absent.
    std::optional<std::size_t> Follow(std::size_t base, std::size_t at) const {
        const auto offset = U16(at);
        if (!offset || *offset == 0)
            return std::nullopt;
        return base + *offset;
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

// The position of the script record for `tag` in a BaseScriptList.
std::optional<std::size_t> FindScriptRecord(const Reader& r, std::size_t list, Tag tag) {
    const auto count = r.U16(list);
    if (!count)
        return std::nullopt;
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t record = list + 2 + i * 6; // tag, Offset16 to the BaseScript
        const auto recordTag = r.U32(record);
        if (!recordTag)
            return std::nullopt;
        if (*recordTag == tag)
            return record;
    }
    return std::nullopt;
}

// The BaseValues table of the ideographs' script in a BaseScriptList.
std::optional<std::size_t> IdeographicValues(const Reader& r, std::size_t list) {
    auto record = FindScriptRecord(r, list, MakeTag("hani"));
    if (!record)
        record = FindScriptRecord(r, list, MakeTag("DFLT"));
    if (!record)
        return std::nullopt;
    const auto script = r.Follow(list, *record + 4);
    if (!script)
        return std::nullopt;
    return r.Follow(*script, *script); // a BaseScript starts with its BaseValues offset
}

// The index of a baseline tag in the BaseTagList; the BaseValues' coordinates follow its order.
std::optional<std::size_t> TagIndex(const Reader& r, std::size_t tagList, Tag tag) {
    const auto count = r.U16(tagList);
    if (!count)
        return std::nullopt;
    for (std::size_t i = 0; i < *count; ++i) {
        const auto listed = r.U32(tagList + 2 + i * 4);
        if (!listed)
            return std::nullopt;
        if (*listed == tag)
            return i;
    }
    return std::nullopt;
}

std::optional<int> Coordinate(const Reader& r, std::size_t tagList, std::size_t values, Tag tag) {
    const auto index = TagIndex(r, tagList, tag);
    const auto coordCount = r.U16(values + 2); // after the default baseline index
    if (!index || !coordCount || *index >= *coordCount)
        return std::nullopt;
    const auto coord = r.Follow(values, values + 4 + *index * 2);
    if (!coord)
        return std::nullopt;
    // Formats 1 to 3 all start with the coordinate; the later ones only add hinting data.
    const auto format = r.U16(*coord);
    const auto value = r.U16(*coord + 2);
    if (!format || *format < 1 || *format > 3 || !value)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

} // namespace

BaseValues ReadBaseValues(std::span<const std::uint8_t> table) {
    const Reader r(table);
    const auto major = r.U16(0);
    if (!major || *major != 1)
        return {};
    const auto axis = r.Follow(0, 4); // the horizontal axis, after the two version fields
    if (!axis)
        return {};
    const auto tagList = r.Follow(*axis, *axis);
    const auto scriptList = r.Follow(*axis, *axis + 2);
    if (!tagList || !scriptList)
        return {};
    const auto values = IdeographicValues(r, *scriptList);
    if (!values)
        return {};
    BaseValues out;
    out.ideo = Coordinate(r, *tagList, *values, MakeTag("ideo"));
    out.icfb = Coordinate(r, *tagList, *values, MakeTag("icfb"));
    out.icft = Coordinate(r, *tagList, *values, MakeTag("icft"));
    return out;
}

} // namespace lumina
