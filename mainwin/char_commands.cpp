#include "mainwin/char_commands.h"

#include "glyph/last_settings.h"
#include "services/common.h"
#include "services/messages.h"
#include "services/services.h"
#include "services/settings_store.h"

#include <algorithm>
#include <cstdio>

namespace lumina {
namespace {

std::string HexText(std::uint32_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "(0x%04X)", value);
    return buffer;
}

// Code points are typed as "U+" and hex, as the code display shows them.
bool IsCodePointText(std::string_view text) {
    return text.size() >= 2 && (text[0] == 'U' || text[0] == 'u') && text[1] == '+';
}

} // namespace

GlyphRequestCommands::GlyphRequestCommands(const Services& services, GlyphRequest& request,
                                           CodeControls& controls, Owner owner)
    : m_services(services)
    , m_request(request)
    , m_controls(controls)
    , m_owner(owner) {}

bool GlyphRequestCommands::ApplyCharacterField() {
    const std::string text = m_controls.CharacterText();
    if (text.empty()) {
        ShowMessageById(m_services, m_owner, "", kMsgEnterCharacter, kInfoOk);
        m_controls.FocusCharacterField();
        return false;
    }
    const std::optional<Character> c = CharacterFromField(text);
    if (!c) {
        ShowMessageById(m_services, m_owner, "", kMsgOneCharacter, kInfoOk);
        m_controls.FocusCharacterField();
        return false;
    }
    m_request.SelectCharacter(*c);
    // A character typed by its code points shows as itself.
    if (m_request.Char != text)
        m_controls.SetCharacterText(m_request.Char);
    last::Char.Write(m_services.settings, m_request.Char);
    WriteUnicodeKey(m_services.settings, m_request);

    const std::string face = m_controls.SelectedFace();
    if (face.empty()) {
        ShowMessageById(m_services, m_owner, "", kMsgNoFont, kInfoOk);
        m_controls.FocusFontList();
        return false;
    }
    m_request.FontName = face;
    last::FontName.Write(m_services.settings, face);
    m_request.FontSize = last::FontSize.Clamp(ReadDecimal(m_controls.SizeText()));
    last::FontSize.Write(m_services.settings, m_request.FontSize);
    m_request.FontDeg = last::FontDeg.Clamp(ReadDecimal(m_controls.AngleText()));
    last::FontDeg.Write(m_services.settings, m_request.FontDeg);
    return true;
}

void GlyphRequestCommands::OnApplyCharacter() {
    if (!ApplyCharacterField())
        return;
    if (!m_request.Unicode)
        last::SjisCode.Write(m_services.settings, m_request.SjisCode);
    ShowCodeFields();
    m_controls.Refresh();
}

void GlyphRequestCommands::ApplyCodeField() {
    if (m_request.FontName.empty()) {
        ShowMessageById(m_services, m_owner, "", kMsgNoFont, kInfoOk);
        return;
    }
    const std::string text = m_controls.CodeText();
    if (IsCodePointText(text)) {
        const std::optional<Character> c = CharacterFromField(text);
        if (c && c != m_request.Shown())
            SelectCharacter(*c);
        return;
    }
    const int value = ReadDecimal(text);
    if ((!m_request.Unicode && value == m_request.SjisCode) || value < kMinCode || value > kMaxCode)
        return;
    m_request.SelectCode(value);
    last::SjisCode.Write(m_services.settings, value);
    m_controls.SetCharacterText(m_request.Char);
    last::Char.Write(m_services.settings, m_request.Char);
    WriteUnicodeKey(m_services.settings, m_request);
    m_controls.Refresh();
}

void GlyphRequestCommands::StepCode(int direction) {
    if (m_request.Unicode) {
        StepMapped(direction);
        return;
    }
    if (direction < 0) {
        if (m_request.SjisCode <= kMinCode)
            return;
        SelectCode(m_request.SjisCode - 1);
        return;
    }
    if (m_request.SjisCode >= kMaxCode)
        return;
    SelectCode(m_request.SjisCode + 1);
}

void GlyphRequestCommands::StepMapped(int direction) {
    const std::shared_ptr<const Font> font = m_services.fonts.CreateFont(
        MakeLogicalFont(m_request.ToFontSpec(), m_services.displayDpiY));
    if (!font)
        return;
    // A selector alone, and U+0000, are no character a field can hold.
    std::optional<char32_t> next = m_request.Unicode->scalar;
    do
        next = font->NextMapped(*next, direction);
    while (next && (IsVariationSelector(*next) || *next == 0));
    if (next)
        SelectCharacter(Character{*next});
}

void GlyphRequestCommands::SelectCode(int code) {
    m_request.SelectCode(code);
    m_controls.SetCharacterText(m_request.Char);
    last::Char.Write(m_services.settings, m_request.Char);
    WriteUnicodeKey(m_services.settings, m_request);
    last::SjisCode.Write(m_services.settings, code);
    ShowCodeFields();
    m_controls.Refresh();
}

void GlyphRequestCommands::SelectCharacter(const Character& c) {
    if (const std::optional<int> code = Cp932CodeOf(c)) {
        SelectCode(*code);
        return;
    }
    m_request.SelectCharacter(c);
    m_controls.SetCharacterText(m_request.Char);
    last::Char.Write(m_services.settings, m_request.Char);
    WriteUnicodeKey(m_services.settings, m_request);
    ShowCodeFields();
    m_controls.Refresh();
}

void GlyphRequestCommands::ShowCodeFields() {
    if (m_request.Unicode) {
        m_controls.SetCodeText("");
        m_controls.SetCodeDisplay(CodePointsText(*m_request.Unicode));
        return;
    }
    m_controls.SetCodeText(std::to_string(m_request.SjisCode));
    m_controls.SetCodeDisplay(HexText(static_cast<std::uint32_t>(m_request.SjisCode)));
}

void GlyphRequestCommands::ShowCodeHex() {
    const std::string text = m_controls.CodeText();
    if (IsCodePointText(text)) {
        const std::optional<Character> c = CharacterFromField(text);
        m_controls.SetCodeDisplay(c ? CodePointsText(*c) : std::string());
        return;
    }
    // The code field of a character without a code is empty.
    if (text.empty() && m_request.Unicode) {
        m_controls.SetCodeDisplay(CodePointsText(*m_request.Unicode));
        return;
    }
    m_controls.SetCodeDisplay(CodeHexText(text));
}

} // namespace lumina
