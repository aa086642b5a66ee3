#pragma once

#include "platform/font.h"

#include <string>

namespace lumina {

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

    TextMetrics textMetrics;
    GlyphMetrics glyphMetrics;
    bool hasGlyphMetrics = false;
    std::string counts;
    std::string inkRatio;
};

} // namespace lumina
