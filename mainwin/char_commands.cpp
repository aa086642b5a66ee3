#include "mainwin/char_commands.h"

#include "glyph/last_settings.h"
#include "platform/cp932.h"
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
    // A character without a code page 932 form is not one character here.
    const auto bytes = cp932::FromUtf8(text);
    const int code = bytes && bytes->size() <= 2 ? CodeFromCharText(*bytes) : 0;
    if (code == 0) {
        ShowMessageById(m_services, m_owner, "", kMsgOneCharacter, kInfoOk);
        m_controls.FocusCharacterField();
        return false;
    }
    m_request.SjisCode = code;
    m_request.Char = text;
    last::Char.Write(m_services.settings, text);

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
    m_controls.SetCodeText(std::to_string(m_request.SjisCode));
    last::SjisCode.Write(m_services.settings, m_request.SjisCode);
    m_controls.SetCodeDisplay(HexText(static_cast<std::uint32_t>(m_request.SjisCode)));
    m_controls.Refresh();
}

void GlyphRequestCommands::ApplyCodeField() {
    if (m_request.FontName.empty()) {
        ShowMessageById(m_services, m_owner, "", kMsgNoFont, kInfoOk);
        return;
    }
    const int value = ReadDecimal(m_controls.CodeText());
    if (value == m_request.SjisCode || value < kMinCode || value > kMaxCode)
        return;
    m_request.SjisCode = value;
    last::SjisCode.Write(m_services.settings, value);
    m_request.Char = DisplayTextFromCode(value);
    m_controls.SetCharacterText(m_request.Char);
    last::Char.Write(m_services.settings, m_request.Char);
    m_controls.Refresh();
}

void GlyphRequestCommands::StepCode(int direction) {
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

void GlyphRequestCommands::SelectCode(int code) {
    m_request.SjisCode = code;
    m_request.Char = DisplayTextFromCode(code);
    m_controls.SetCharacterText(m_request.Char);
    last::Char.Write(m_services.settings, m_request.Char);
    m_controls.SetCodeText(std::to_string(code));
    last::SjisCode.Write(m_services.settings, code);
    m_controls.SetCodeDisplay(HexText(static_cast<std::uint32_t>(code)));
    m_controls.Refresh();
}

void GlyphRequestCommands::ShowCodeHex() {
    m_controls.SetCodeDisplay(CodeHexText(m_controls.CodeText()));
}

} // namespace lumina
