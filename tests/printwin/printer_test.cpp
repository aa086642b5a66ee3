#include "printwin/printer.h"

#include "print/paper.h"
#include "services/messages.h"
#include "tests/print/print_fixture.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

using test::App;

TEST(Printer, PdfPrinterReportsA4AtItsResolution) {
    App();
    const OpenedPrinter opened = OpenPrinter(test::PdfPrinter());
    ASSERT_TRUE(opened);
    const PrinterGeometry geometry = GeometryOf(*opened.printer);
    const PaperMm paper = PaperSizeMm(geometry);
    EXPECT_NEAR(paper.width, 210.0f, 0.2f);
    EXPECT_NEAR(paper.height, 297.0f, 0.2f);
    EXPECT_GT(geometry.dpiX, 96);

    PrinterSettings landscape = test::PdfPrinter();
    landscape.orientation = 2;
    const PaperMm turned = PaperSizeMm(GeometryOf(*OpenPrinter(landscape).printer));
    EXPECT_NEAR(turned.width, 297.0f, 0.2f);
}

TEST(Printer, UnknownPrintSystemPrinterIsNotOpened) {
    App();
    const OpenedPrinter opened = OpenPrinter({"no-such-printer-here", false, 9, 1});
    EXPECT_FALSE(opened);
    const Problem problem = PrinterProblem(opened.failure, "PrintOut");
    EXPECT_EQ(test::ProblemText(problem),
              std::string("CreateDC At PrintOut\n") + MessageText(kMsgPrinterDc));
    EXPECT_EQ(problem.icon, MsgIcon::Error);
}

} // namespace
} // namespace lumina
