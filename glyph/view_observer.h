#pragma once

#include "platform/font.h"

#include <optional>
#include <string>

namespace lumina {

// The values of the second face ("比較フォント") for the same character.
struct CompareValues {
    std::string family; // the face it resolved to
    TextMetrics text;
    std::optional<GlyphMetrics> glyph; // nullopt when it gave no outline
};

// Receives the metric fields a refresh fills, so that the engine writes no widgets. The main
// window shows them in its fields; the batch tool prints them.
class GlyphViewObserver {
public:
    virtual ~GlyphViewObserver() = default;
    // The "TEXTMETRIC" fields, each shown as "%d".
    virtual void ShowTextMetrics(const TextMetrics& metrics) = 0;
    // The "GLYPHMETRICS" fields, each shown as "%d"; nullptr empties the six fields.
    virtual void ShowGlyphMetrics(const GlyphMetrics* metrics) = 0;
    // The counts field, "%d(%d)" of vertices and blocks.
    virtual void ShowCounts(const std::string& text) = 0;
    // The ink-ratio field, "%d%%".
    virtual void ShowInkRatio(const std::string& text) = 0;
    // What the counts field counts (the font's own points, or the vertices) and how many point
    // numbers the picture left out for want of room, for its tooltip.
    virtual void ShowCountsNote(bool fontPoints, int numbersLeftOut) {
        static_cast<void>(fontPoints);
        static_cast<void>(numbersLeftOut);
    }
    // The second face's values beside the first's, for the fields' tooltips; nullptr when no
    // second face is drawn.
    virtual void ShowCompareValues(const CompareValues* values) { static_cast<void>(values); }
};

// An observer that keeps the last values (tests, batch tool).
class RecordingGlyphObserver : public GlyphViewObserver {
public:
    void ShowTextMetrics(const TextMetrics& metrics) override { textMetrics = metrics; }
    void ShowGlyphMetrics(const GlyphMetrics* metrics) override {
        hasGlyphMetrics = metrics != nullptr;
        if (metrics)
            glyphMetrics = *metrics;
    }
    void ShowCounts(const std::string& text) override { counts = text; }
    void ShowInkRatio(const std::string& text) override { inkRatio = text; }
    void ShowCountsNote(bool points, int leftOut) override {
        fontPoints = points;
        numbersLeftOut = leftOut;
    }
    void ShowCompareValues(const CompareValues* values) override {
        compare = values ? std::optional<CompareValues>(*values) : std::nullopt;
    }

    TextMetrics textMetrics;
    GlyphMetrics glyphMetrics;
    bool hasGlyphMetrics = false;
    std::string counts;
    std::string inkRatio;
    bool fontPoints = false;
    int numbersLeftOut = 0;
    std::optional<CompareValues> compare;
};

} // namespace lumina
