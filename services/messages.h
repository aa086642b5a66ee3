#pragma once

#include "services/prompter.h"

#include <string_view>

namespace lumina {

struct Services;

// The program's string table; nullptr when there is no text of that id.
const char* MessageText(int id);

// Shows prefix + the text of id with the application name as caption; returns the button
// pressed, or 0 (and shows nothing) when the table has no such id.
int ShowMessageById(const Services& services, Owner owner, std::string_view prefix, int id,
                    MessageStyle style);
// The same before the services exist (start-up), with the caption given.
int ShowMessageById(Prompter& prompter, std::string_view caption, Owner owner,
                    std::string_view prefix, int id, MessageStyle style);

// Message ids used across the program.
enum MessageId : int {
    kMsgVersionMenu = 101,
    kMsgNoMemory = 30001,
    kMsgNoWorkFolder = 30002,
    kMsgLowColour = 30003,
    kMsgOneCharacter = 30005,
    kMsgBlankBackground = 30006,
    kMsgEnterCharacter = 30010,
    kMsgBitmapInfo = 30011,
    kMsgSavedShowFolder = 30012,
    kMsgBlankInk = 30013,
    kMsgOverwrite = 30015,
    kMsgOpenFailed = 30016,
    kMsgFontFailed = 30017,
    kMsgControlPoints = 30018,
    kMsgTooFewColumns = 30019,
    kMsgKeepAspect = 30020,
    kMsgNoClasses = 30021,
    kMsgNoFont = 30022,
    kMsgNotImage = 30029,
    kMsgFileManager = 30048,
    kMsgPrinterDc = 30064,
    kMsgNoVertices = 30066,
    kMsgNoOutline = 30067,
    kMsgNoBitmap = 30068,
    kMsgBlockNotClosed = 30079,
    kMsgBlockNot3n1 = 30080,
    kMsgPrinterInit = 30082,
    kMsgNoManual = 30173,
    kMsgManualName = 30174,
    kMsgHistory100 = 30200,
    kMsgHistory101 = 30201,
    kMsgHistory102 = 30202,
    kMsgHistory103 = 30203,
    // Texts of this program's own, beyond the original table.
    kMsgNotCp932 = 30300,
    kMsgPictureTooLarge = 30301,
};

} // namespace lumina
