#include "tests/print/print_fixture.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lumina::test {
namespace {

std::string Run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    pclose(pipe);
    return out;
}

} // namespace

Rect GreyPage::InkBox() const {
    Rect box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (At(x, y) < 128) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box.IsEmpty() ? Rect{} : box;
}

std::optional<GreyPage> RenderPdfPage(const std::string& pdf, int page, const std::string& dir) {
    const std::string base = dir + "/page";
    const std::string number = std::to_string(page);
    Run("pdftoppm -r 72 -gray -singlefile -f " + number + " -l " + number + " '" + pdf + "' '" +
        base + "'");
    std::ifstream in(base + ".pgm", std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string magic;
    GreyPage grey;
    int maxValue = 0;
    in >> magic >> grey.width >> grey.height >> maxValue;
    in.get();
    if (magic != "P5" || maxValue != 255)
        return std::nullopt;
    grey.pixels.resize(static_cast<std::size_t>(grey.width * grey.height));
    in.read(reinterpret_cast<char*>(grey.pixels.data()),
            static_cast<std::streamsize>(grey.pixels.size()));
    std::remove((base + ".pgm").c_str());
    return grey;
}

std::optional<ColourPage> RenderPdfPageInColour(const std::string& pdf, int page, int dpi,
                                                const std::string& dir) {
    const std::string base = dir + "/colour";
    const std::string number = std::to_string(page);
    Run("pdftoppm -r " + std::to_string(dpi) + " -singlefile -f " + number + " -l " + number +
        " '" + pdf + "' '" + base + "'");
    std::ifstream in(base + ".ppm", std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string magic;
    ColourPage colour;
    int maxValue = 0;
    in >> magic >> colour.width >> colour.height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255)
        return std::nullopt;
    colour.rgb.resize(static_cast<std::size_t>(colour.width * colour.height * 3));
    in.read(reinterpret_cast<char*>(colour.rgb.data()),
            static_cast<std::streamsize>(colour.rgb.size()));
    std::remove((base + ".ppm").c_str());
    return colour;
}

std::string PdfInfo(const std::string& pdf, const std::string& key) {
    std::istringstream lines(Run("pdfinfo '" + pdf + "' 2>/dev/null"));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            std::string value = line.substr(key.size() + 1);
            value.erase(0, value.find_first_not_of(' '));
            return value;
        }
    }
    return {};
}

} // namespace lumina::test
