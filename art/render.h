#pragma once

#include "art/sampling.h"
#include "art/settings.h"
#include "platform/font.h"

#include <array>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace lumina {

class Surface;

// Progress of a run: position 0..upper; called with (0, rows) first, (r + 1, rows) after each
// drawn row and (0, rows) at the end.
using ArtProgress = std::function<void(int position, int upper)>;

// The seed of the random angles: second + 60 x minute + hour of the local time.
unsigned RandSeed(const std::tm& localTime);
unsigned RandSeedNow();

// The C library's classic generator (values 0..32767), so that one seed always gives the same
// angles whatever the platform's rand is.
class ArtRandom {
public:
    explicit ArtRandom(unsigned seed)
        : m_state(seed) {}
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

private:
    unsigned m_state;
};

// Elapsed seconds as "%M:%S": minutes within the hour and seconds, two digits each.
std::string ElapsedText(long long seconds);

// Where a character turned by angle degrees about the centre of its unturned box at cell
// (x, y) of extent (cx, cy) has its origin.
Point TurnedOrigin(int x, int y, Size extent, int angle);

// Coverage images of codes, made once per code (and per angle) and reused for every cell.
class GlyphCache {
public:
    // fonts and base are used for turned variants: the base font at other escapements.
    GlyphCache(std::shared_ptr<const Font> base, FontSystem* fonts);

    struct Entry {
        std::vector<GlyphImage> images;
        Size extent;
    };
    // The code in the base font as it is.
    const Entry& Get(std::uint32_t code);
    // The code in the base font turned to angle (0..359) degrees; nullptr when no such font.
    const Entry* GetTurned(std::uint32_t code, int angle);

private:
    std::shared_ptr<const Font> m_base;
    FontSystem* m_fonts;
    std::unordered_map<std::uint32_t, Entry> m_plain;
    std::unordered_map<std::uint64_t, Entry> m_turned;
    std::array<std::shared_ptr<const Font>, 360> m_angleFonts;
    std::array<bool, 360> m_angleTried{};
};

// Draws coverage images in a colour onto the surface, their reference point at origin. On a
// 16-bit surface the pixel under a glyph's edge is read scaled, as art has always been drawn.
void CompositeGlyph(Surface& surface, const std::vector<GlyphImage>& images, Point origin,
                    COLORREF colour);

struct RenderJob {
    const ArtLayout* layout = nullptr;
    const CellGrid* grid = nullptr; // cells hold codes
    const ArtSettings* settings = nullptr;
    GlyphCache* glyphs = nullptr;
    unsigned seed = 0; // used when settings->Rand is on
    ArtProgress progress;
    std::function<bool()> stop; // asked after every row: true gives the drawing up
    int threads = 1;            // the art is the same for any number
};

// Fills the surface with BkCol and draws every cell's character; false when stop gave it up.
bool RenderArt(Surface& surface, const RenderJob& job);

} // namespace lumina
