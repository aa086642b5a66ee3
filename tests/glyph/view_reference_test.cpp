// Whole pictures of the view compared with committed reference images (tests/data/render,
// made by its regenerate.sh from cases.txt), with a small tolerance for smoothing.
#include "glyph/glyph_view.h"
#include "platform/cp932.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <fstream>
#include <sstream>

namespace lumina {
namespace {

struct ReferenceCase {
    std::string name;
    std::vector<std::string> args;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<ReferenceCase> ReadCases() {
    std::vector<ReferenceCase> cases;
    std::ifstream in(test::TestDataPath("render/cases.txt"));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        ReferenceCase c;
        words >> c.name;
        for (std::string w; words >> w;)
            c.args.push_back(w);
        cases.push_back(std::move(c));
    }
    return cases;
}

struct RenderSetup {
    GlyphViewState state;
    int W = 800;
    int H = 600;
};

std::pair<int, int> Pair(const std::string& text, char separator) {
    const auto at = text.find(separator);
    return {std::stoi(text.substr(0, at)), std::stoi(text.substr(at + 1))};
}

// The arguments of `lumina-cli render` that the cases use, read the way the tool reads them.
RenderSetup ReadArguments(const std::vector<std::string>& args) {
    RenderSetup s;
    bool origin = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--bold") {
            s.state.request.FontBold = 1;
            continue;
        }
        const std::string& v = args.at(++i);
        if (a == "--char") {
            const std::string bytes = cp932::FromUtf8(v).value();
            s.state.request.Char = v;
            s.state.request.SjisCode = bytes.size() == 2
                                           ? static_cast<unsigned char>(bytes[0]) * 256 +
                                                 static_cast<unsigned char>(bytes[1])
                                           : static_cast<unsigned char>(bytes[0]);
        } else if (a == "--size") {
            s.state.request.FontSize = std::stoi(v);
        } else if (a == "--angle") {
            s.state.request.FontDeg = std::stoi(v);
        } else if (a == "--mode") {
            s.state.mode = v == "outline"  ? DisplayMode::Outline
                           : v == "bitmap" ? DisplayMode::Bitmap
                                           : DisplayMode::Drawing;
        } else if (a == "--view") {
            std::tie(s.W, s.H) = Pair(v, 'x');
        } else if (a == "--origin") {
            std::tie(s.state.OrgX, s.state.OrgY) = Pair(v, ',');
            origin = true;
        } else if (a == "--hide") {
            std::istringstream keys(v);
            for (std::string key; std::getline(keys, key, ',');)
                for (const auto& sw : ViewOptions::Switches())
                    if (sw.key == key)
                        s.state.options.*sw.member = false;
        } else {
            ADD_FAILURE() << "cases.txt uses an option this test does not know: " << a;
        }
    }
    if (!origin) {
        s.state.OrgX = s.W / 2;
        s.state.OrgY = s.H / 2;
    }
    return s;
}

constexpr int kChannelTolerance = 24; // smoothing may differ a little between FreeType builds
constexpr double kShareTolerance = 0.001;

class ViewReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ViewReference, MatchesTheCommittedPicture) {
    const ReferenceCase& c = GetParam();
    const QImage expected(QString::fromStdString(test::TestDataPath("render/" + c.name + ".png")));
    ASSERT_FALSE(expected.isNull()) << "no reference picture " << c.name << ".png";

    RenderSetup setup = ReadArguments(c.args);
    const auto services = test::MakeServicesWithFonts();
    RecordingGlyphObserver observer;
    GlyphView view(services->Get(), observer);
    ASSERT_TRUE(view.MakeSurfaces(setup.W, setup.H));
    ASSERT_TRUE(view.RefreshGlyphView(setup.state).ok);
    const QImage& actual = view.SurfaceOf(setup.state.mode)->Image();
    ASSERT_EQ(actual.size(), expected.size());

    long differing = 0;
    std::string first;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                                    std::abs(qBlue(a) - qBlue(e))});
            if (d <= kChannelTolerance)
                continue;
            if (differing++ == 0) {
                std::ostringstream out;
                out << "first differing pixel (" << x << ", " << y << "): expected RGB(" << qRed(e)
                    << ", " << qGreen(e) << ", " << qBlue(e) << "), got RGB(" << qRed(a) << ", "
                    << qGreen(a) << ", " << qBlue(a) << ")";
                first = out.str();
            }
        }
    const double share = static_cast<double>(differing) / (actual.width() * actual.height());
    if (share > kShareTolerance) {
        const std::string saved = test::ArtefactPath("render-actual-" + c.name + ".png");
        actual.save(QString::fromStdString(saved));
        ADD_FAILURE() << differing << " pixels differ; " << first << "; the picture made is "
                      << saved << " (tests/data/render/regenerate.sh remakes the references)";
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, ViewReference, ::testing::ValuesIn(ReadCases()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace lumina
