#include "print/print_job.h"

#include "platform/page_device.h"
#include "print/paper.h"
#include "services/messages.h"
#include "tests/print/print_fixture.h"

#include <QPageSize>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace lumina {
namespace {

using test::App;

TEST(Paper, NamesFromTheTableAndEtcBeyondIt) {
    EXPECT_EQ(PaperName(9), "A4Sheet, 210x297mm");
    EXPECT_EQ(PaperName(1), "Letter, 81/2x11inch");
    EXPECT_EQ(PaperName(41), "GermanLegalFanfold, 81/2x13inch");
    EXPECT_EQ(PaperName(42), "etc.");
    EXPECT_EQ(PaperName(0), "etc.");
}

// A label that gives millimetres names the sheet the number prints on: width and height within
// a millimetre, either way round.
TEST(Paper, MillimetreLabelsStateThePaperUsed) {
    for (int number = 1; number <= 41; ++number) {
        const std::string name = PaperName(number);
        int w = 0;
        int h = 0;
        const auto comma = name.find(", ");
        if (comma == std::string::npos || !name.ends_with("mm") ||
            std::sscanf(name.c_str() + comma + 2, "%dx%dmm", &w, &h) != 2)
            continue;
        const auto size = PageSizeOfPaper(number);
        ASSERT_TRUE(size.has_value()) << name;
        const QSizeF mm = size->size(QPageSize::Millimeter);
        const double a = std::min(mm.width(), mm.height());
        const double b = std::max(mm.width(), mm.height());
        EXPECT_NEAR(std::min(w, h), a, 1.0) << number << " " << name;
        EXPECT_NEAR(std::max(w, h), b, 1.0) << number << " " << name;
    }
}

TEST(Paper, NumbersMapToPageSizesAndBack) {
    for (const int number : {1, 5, 8, 9, 11, 12, 13, 27, 28, 41}) {
        const auto size = PageSizeOfPaper(number);
        ASSERT_TRUE(size.has_value()) << number;
        EXPECT_EQ(PaperNumberOf(*size), number) << number;
    }
    EXPECT_EQ(PageSizeOfPaper(9)->id(), QPageSize::A4);
    // Folio has no id of its own; it is the 8.5 x 13 inch sheet (the same as number 41).
    EXPECT_EQ(PageSizeOfPaper(14)->size(QPageSize::Inch), QSizeF(8.5, 13.0));
    EXPECT_FALSE(PageSizeOfPaper(0).has_value());
    EXPECT_FALSE(PageSizeOfPaper(9999).has_value());
}

std::unique_ptr<PageDevice> A4Pdf(const std::string& path) {
    return MakePdfPageDevice(path, QPageSize(QPageSize::A4), false);
}

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    std::string Pdf() const { return m_services.Dir().File("out.pdf"); }

    // The outcome; a problem fails the test.
    std::optional<PrintOutcome> Print(const test::TestPictures& pictures,
                                      const PrintRequest& request) {
        const auto pdf = A4Pdf(Pdf());
        const auto printed =
            PrintOut("lumina-graph", *pdf, pictures.drawing, pictures.Pictures().size, request,
                     [this](int page) { m_pages.push_back(page); });
        if (!printed) {
            ADD_FAILURE() << test::ProblemText(printed.problem());
            return std::nullopt;
        }
        return *printed;
    }

    test::TestServices m_services;
    std::vector<int> m_pages;
};

// 1000 x 500 view pixels on A4 with margins 25/10/25/10: two pages across. The PDF printer
// works at 1200 dpi, so E = 12.5 and a tile is trunc((9917 - 1181 - 472) / 12.5) = 661 wide.
TEST_F(PrintJobTest, TilesLandWhereTheTilingSays) {
    const test::TestPictures pictures(1000, 500, {800, 100, 850, 150});
    PrintRequest request;
    request.grid = {2, 1};
    ASSERT_EQ(Print(pictures, request), PrintOutcome::Printed);
    EXPECT_EQ(m_pages, (std::vector<int>{1, 2}));
    EXPECT_EQ(test::PdfInfo(Pdf(), "Pages"), "2");
    EXPECT_EQ(test::PdfInfo(Pdf(), "Page size").substr(0, 13), "595 x 842 pts"); // A4

    const auto first = test::RenderPdfPage(Pdf(), 1, m_services.Dir().Path());
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(first->InkBox().IsEmpty()); // the square lies in the second tile
    const auto second = test::RenderPdfPage(Pdf(), 2, m_services.Dir().Path());
    ASSERT_TRUE(second.has_value());
    const Rect ink = second->InkBox();
    // 25 mm margin plus (800 - 661) view pixels at 96 dpi, in points; 50 px is 37.5 pt.
    const double left = 25 / 25.4 * 72 + (800 - 661) * 0.75;
    const double top = 25 / 25.4 * 72 + 100 * 0.75;
    EXPECT_NEAR(ink.left, left, 1.5);
    EXPECT_NEAR(ink.top, top, 1.5);
    EXPECT_NEAR(ink.Width(), 37.5, 1.5);
    EXPECT_NEAR(ink.Height(), 37.5, 1.5);
}

TEST_F(PrintJobTest, OnePageFitCentresTheWholeView) {
    const test::TestPictures pictures(1000, 500, {0, 0, 1000, 500});
    PrintRequest request;
    request.grid = {1, 1};
    request.onePage = true;
    request.oneSourceSize = {1000, 500};
    request.range = RangeKind::FromTo;
    request.from = 1;
    request.to = 1;
    ASSERT_EQ(Print(pictures, request), PrintOutcome::Printed);
    EXPECT_EQ(test::PdfInfo(Pdf(), "Pages"), "1");
    const auto page = test::RenderPdfPage(Pdf(), 1, m_services.Dir().Path());
    ASSERT_TRUE(page.has_value());
    const Rect ink = page->InkBox();
    // The printable width (174.9 mm) is filled; the height is half of it, centred in the
    // printable height (262 mm) below the 25 mm top margin.
    const double marginPt = 25 / 25.4 * 72;
    EXPECT_NEAR(ink.left, marginPt, 1.5);
    EXPECT_NEAR(ink.Width(), 174.9 / 25.4 * 72, 2.0);
    EXPECT_NEAR(ink.Height(), ink.Width() / 2.0, 2.0);
    const double printableH = 262.0 / 25.4 * 72;
    EXPECT_NEAR(ink.top, marginPt + (printableH - ink.Height()) / 2, 2.0);
}

TEST_F(PrintJobTest, CurrentPageOnly) {
    const test::TestPictures pictures(1000, 500, {800, 100, 850, 150});
    PrintRequest request;
    request.grid = {2, 1};
    request.range = RangeKind::Current;
    request.currentPage = 2;
    ASSERT_EQ(Print(pictures, request), PrintOutcome::Printed);
    EXPECT_EQ(m_pages, (std::vector<int>{2}));
    EXPECT_EQ(test::PdfInfo(Pdf(), "Pages"), "1");
}

TEST_F(PrintJobTest, EmptyRangePrintsNoSheet) {
    const test::TestPictures pictures(1000, 500, {800, 100, 850, 150});
    PrintRequest request;
    request.grid = {2, 2};
    request.range = RangeKind::FromTo;
    request.from = 3;
    request.to = 2;
    EXPECT_EQ(Print(pictures, request), PrintOutcome::NothingPrintable);
    EXPECT_TRUE(m_pages.empty());
    EXPECT_FALSE(std::filesystem::exists(Pdf()));
}

TEST_F(PrintJobTest, UnwritablePdfFileIsReported) {
    const test::TestPictures pictures(100, 100, {0, 0, 10, 10});
    PrintRequest request;
    const std::string path = m_services.Dir().File("missing/folder/out.pdf");
    const auto printed =
        PrintOut("lumina-graph", *A4Pdf(path), pictures.drawing, {100, 100}, request);
    ASSERT_FALSE(printed);
    EXPECT_EQ(test::ProblemText(printed.problem()), path + "\n" + MessageText(kMsgOpenFailed));
}

} // namespace
} // namespace lumina
