#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace lumina::test {

// A 16.16 value of a number of pixels.
constexpr std::int32_t Fx(double pixels) {
    return static_cast<std::int32_t>(pixels * 65536.0);
}

struct FxPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Builds native outline data by hand: polygon headers and curve records, little-endian, with
// each polygon's cb filled in when the next one starts or the data is taken.
class NativeRecords {
public:
    static constexpr std::uint16_t kLine = 1;
    static constexpr std::uint16_t kQSpline = 2;
    static constexpr std::uint16_t kCSpline = 3;

    NativeRecords& Polygon(FxPoint start) {
        Close();
        m_polygon = m_bytes.size();
        U32(0); // cb, filled in by Close
        U32(24);
        Point(start);
        return *this;
    }
    NativeRecords& Curve(std::uint16_t type, std::initializer_list<FxPoint> points) {
        U16(type);
        U16(static_cast<std::uint16_t>(points.size()));
        for (const FxPoint& p : points)
            Point(p);
        return *this;
    }
    // A curve header alone, claiming count points that are not written.
    NativeRecords& CurveHeader(std::uint16_t type, std::uint16_t count) {
        U16(type);
        U16(count);
        return *this;
    }
    NativeRecords& Line(std::initializer_list<FxPoint> points) { return Curve(kLine, points); }
    NativeRecords& QSpline(std::initializer_list<FxPoint> points) {
        return Curve(kQSpline, points);
    }
    NativeRecords& CSpline(std::initializer_list<FxPoint> points) {
        return Curve(kCSpline, points);
    }
    // Raw bytes after everything else (not counted in any polygon).
    NativeRecords& Raw(std::initializer_list<std::uint8_t> bytes) {
        Close();
        m_bytes.insert(m_bytes.end(), bytes);
        return *this;
    }
    // Overrides the cb of the open polygon with a value of the test's choosing.
    NativeRecords& ForceCb(std::uint32_t cb) {
        m_forcedCb = cb;
        return *this;
    }

    std::vector<std::uint8_t> Bytes() {
        Close();
        return m_bytes;
    }

private:
    void U16(std::uint16_t v) {
        m_bytes.push_back(static_cast<std::uint8_t>(v));
        m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> shift));
    }
    void Point(FxPoint p) {
        U32(static_cast<std::uint32_t>(p.x));
        U32(static_cast<std::uint32_t>(p.y));
    }
    void Close() {
        if (m_polygon == kNone)
            return;
        std::uint32_t cb = static_cast<std::uint32_t>(m_bytes.size() - m_polygon);
        if (m_forcedCb)
            cb = *m_forcedCb;
        for (int i = 0; i < 4; ++i)
            m_bytes[m_polygon + i] = static_cast<std::uint8_t>(cb >> (8 * i));
        m_polygon = kNone;
        m_forcedCb.reset();
    }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_polygon = kNone;
    std::optional<std::uint32_t> m_forcedCb;
};

// A pixel point.
constexpr FxPoint Px(double x, double y) {
    return {Fx(x), Fx(y)};
}

} // namespace lumina::test
