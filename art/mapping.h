#pragma once

#include "art/palette.h"
#include "art/sampling.h"

#include <cstdint>
#include <vector>

namespace lumina {

// Normalises the sorted palette's densities in place to 0 (lightest) .. 1000 (darkest); all
// 0 when every density is the same.
void NormalisePalette(CharPalette& palette);

// Index of the lightest entry at least as dark as threshold (the first with density >= it);
// the last entry when none is. The palette must be sorted and not empty.
int PickEntry(const CharPalette& palette, int threshold);

// Index of the entry whose density is closest to wanted; of two equally close, the darker, and
// of entries of one density the first. The palette must be sorted and not empty.
int PickNearest(const CharPalette& palette, int wanted);

// The entry that comes closest to being chosen instead of chosen: the nearest density on the
// other side of wanted, or the next density beyond chosen when nothing lies on that side; -1
// when every entry has chosen's density.
int RunnerUp(const CharPalette& palette, int wanted, int chosen);

// How the cells' darkness is matched to the palette.
struct MappingOptions {
    int brightAll = 5;    // shifts every cell by 30 a step from 5
    bool nearest = false; // the closest density, else the lightest at least as dark
    bool dither = false;  // carry each cell's error on, Floyd-Steinberg, serpentine
};
// The art's own choice by default; the tone modes and error diffusion pick the closest density.
MappingOptions MappingOptionsOf(const ArtSettings& settings);

// Why a cell got its character, on the palette's normalised 0..1000 scale.
struct CellChoice {
    int wanted = 0; // the darkness matched: the cell's, shifted, with the error carried to it
    std::uint32_t code = 0;
    int density = 0;
    std::uint32_t runnerUp = 0; // no runner-up when every character has one density
    int runnerUpDensity = 0;
    bool hasRunnerUp = false;
    friend bool operator==(const CellChoice&, const CellChoice&) = default;
};

// Turns every cell's darkness into the code of its character over the sorted palette's
// densities normalised to 0 .. 1000; the palette itself is left as measured. With choices, also
// says for every cell (in grid order) why.
void MapCells(const CharPalette& palette, CellGrid& grid, const MappingOptions& options,
              std::vector<CellChoice>* choices = nullptr);

// MapCells with the art's own choice, shifted by BrightAll.
void MapDarkness(const CharPalette& palette, CellGrid& grid, int brightAll);

} // namespace lumina
