#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace lumina {

class ArgbImage;

// A baseline JPEG of the picture's colours (alpha is ignored) at the given quality (1-100),
// every component at full resolution (4:4:4): subsampled chroma smears the coloured edges of
// character art. nullopt when encoding fails.
std::optional<std::vector<std::uint8_t>> EncodeJpeg444(const ArgbImage& image, int quality);

// The round trip of a picture through that JPEG, made on a thread of its own while the
// picture's rows are still being written: a row is read only after RowsDone has said it is
// final, and is replaced by its decoded pixels once the JPEG holds it. Finish gives exactly
// EncodeJpeg444's bytes for the finished picture; when RoundTripped says so, the picture then
// holds DecodeJpegDirect's pixels of them (otherwise partly: decode the bytes afresh).
class JpegRowEncoder {
public:
    // The picture must keep its size and memory until Finish returns or the encoder is gone.
    JpegRowEncoder(ArgbImage& image, int quality);
    ~JpegRowEncoder(); // an unfinished encoding is abandoned
    JpegRowEncoder(const JpegRowEncoder&) = delete;
    JpegRowEncoder& operator=(const JpegRowEncoder&) = delete;

    void RowsDone(int count); // rows 0 .. count - 1 are final
    std::optional<std::vector<std::uint8_t>> Finish();
    bool RoundTripped() const { return m_roundTripped; } // after Finish

private:
    std::uint32_t* WaitForRow(int y);
    void Stop();

    std::vector<std::uint32_t*> m_rows; // taken before the thread starts
    int m_width = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_done = 0;
    bool m_abandoned = false;
    std::optional<std::vector<std::uint8_t>> m_bytes;
    bool m_roundTripped = false;
    std::thread m_thread;
};

} // namespace lumina
