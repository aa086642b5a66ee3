#include "print/paper.h"

#include <QPageSize>
#include <QSizeF>

#include <array>

namespace lumina {
namespace {

constexpr std::array<const char*, 41> kNames = {
    "Letter, 81/2x11inch",
    "LetterSmall, 81/2x11inch",
    "Tabloid, 11x17inch",
    "Ledger, 17x11inch",
    "Legal, 81/2x14inch",
    "Statement, 51/2x81/2inch",
    "Executive, 71/4x101/2inch",
    "A3Sheet, 297x420mm",
    "A4Sheet, 210x297mm",
    "A4smallSheet, 210x297mm",
    "A5Sheet, 148x210mm",
    "B4Sheet, 257x364mm", // JIS B4, which paper 12 is
    "B5Sheet, 182x257mm",
    "Folio, 81/2x13inch",
    "Quarto, 215x275mm",
    "10x14inchSheet",
    "11x17inchSheet",
    "Note, 81/2x11inch",
    "#9Envelope, 37/8x87/8inch",
    "#10Envelope, 41/8x91/2inch",
    "#11Envelope, 41/2x103/8inch",
    "#12Envelope, 43/4x11inch",
    "#14Envelope, 5x111/2inch",
    "CSheet, 17x22inch",
    "DSheet, 22x34inch",
    "ESheet, 34x44inch",
    "DLEnvelope, 110x220mm",
    "C5Envelope, 162x229mm",
    "C3Envelope, 324x458mm",
    "C4Envelope, 229x324mm",
    "C6Envelope, 114x162mm",
    "C65Envelope, 114x229mm",
    "B4Envelope, 250x353mm",
    "B5Envelope, 176x250mm",
    "B6Envelope, 176x125mm",
    "ItalyEnvelope, 110x230mm",
    "MonarchEnvelope, 37/8x71/2inch",
    "63/4Envelope, 35/8x61/2inch",
    "USStdFanfold, 147/8x11inch",
    "GermanStdFanfold, 81/2x12inch",
    "GermanLegalFanfold, 81/2x13inch",
};

constexpr int kFolio = 14; // 8.5 x 13 inch, which the page sizes know under no id

} // namespace

std::string PaperName(int paperNumber) {
    if (paperNumber < 1 || paperNumber > static_cast<int>(kNames.size()))
        return "etc.";
    return kNames[static_cast<std::size_t>(paperNumber - 1)];
}

std::optional<QPageSize> PageSizeOfPaper(int paperNumber) {
    if (paperNumber == kFolio)
        return QPageSize(QSizeF(8.5, 13.0), QPageSize::Inch, QStringLiteral("Folio"),
                         QPageSize::ExactMatch);
    if (paperNumber <= 0)
        return std::nullopt;
    const QPageSize::PageSizeId id = QPageSize::id(paperNumber);
    if (id == QPageSize::Custom)
        return std::nullopt;
    return QPageSize(id);
}

int PaperNumberOf(const QPageSize& size) {
    if (!size.isValid())
        return 0;
    const auto folio = PageSizeOfPaper(kFolio);
    if (size.id() == QPageSize::Custom && folio && size.isEquivalentTo(*folio))
        return kFolio;
    const int number = size.windowsId();
    // Sizes that have no platform number of their own come back as custom sizes.
    return number > 0 && number < 256 ? number : 0;
}

} // namespace lumina
