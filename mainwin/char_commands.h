#pragma once

#include "glyph/char_codes.h"
#include "glyph/request.h"
#include "services/prompter.h"

#include <string>

namespace lumina {

struct Services;

// The main window's fields that the character and code commands read and fill.
class CodeControls {
public:
    virtual ~CodeControls() = default;
    virtual std::string CharacterText() const = 0; // UTF-8
    virtual void SetCharacterText(const std::string& utf8) = 0;
    virtual std::string CodeText() const = 0;
    virtual void SetCodeText(const std::string& text) = 0;
    virtual void SetCodeDisplay(const std::string& text) = 0;
    virtual std::string SelectedFace() const = 0; // empty when none is chosen
    virtual std::string SizeText() const = 0;
    virtual std::string AngleText() const = 0;
    virtual void FocusCharacterField() = 0;
    virtual void FocusFontList() = 0;
    // Runs the refresh pass after an accepted change.
    virtual void Refresh() = 0;
};

// The character and code commands of the main window over the request, the "Last" section of
// the settings store and the prompter. Owner is the window messages belong to.
class GlyphRequestCommands {
public:
    GlyphRequestCommands(const Services& services, GlyphRequest& request, CodeControls& controls,
                         Owner owner);

    // Behind the apply-character button: takes the character, font, size and angle.
    // Returns false when the character (or the font) was refused.
    bool ApplyCharacterField();
    // The apply-character button: ApplyCharacterField and, when it succeeds, the code field,
    // "SJIS-Code", the code display and the refresh.
    void OnApplyCharacter();
    // Behind the apply-code button: a code page 932 code in decimal, or a character as "U+" and
    // hex.
    void ApplyCodeField();
    // Previous (-1) or next (+1) code; from a character without a code, the previous or next
    // character the face maps.
    void StepCode(int direction);
    // Makes code the current character.
    void SelectCode(int code);
    // Makes c the current character: by its code when it has one.
    void SelectCharacter(const Character& c);
    // The code field and the code display for the request's character: its code and "(0x%04X)",
    // or an empty field and its code points ("U+20B9F") for a character without a code.
    void ShowCodeFields();
    // On every change of the code field's text.
    void ShowCodeHex();

private:
    void StepMapped(int direction);

    const Services& m_services;
    GlyphRequest& m_request;
    CodeControls& m_controls;
    Owner m_owner;
};

} // namespace lumina
