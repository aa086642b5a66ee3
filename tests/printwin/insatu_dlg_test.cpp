#include "printwin/insatu_dlg.h"

#include "print/preview.h"
#include "printwin/preview_frame.h"
#include "services/messages.h"
#include "tests/print/print_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace lumina {
namespace {

using test::App;

class InsatuDlgTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }

    CInsatuDlg& Open(Size view = {600, 500}, CInsatuDlg::PrintSetup setup = {}) {
        m_pictures =
            std::make_unique<test::TestPictures>(view.cx, view.cy, Rect{100, 100, 150, 150});
        m_dialog = std::make_unique<CInsatuDlg>(m_services, m_printer, m_pictures->Pictures(),
                                                DisplayMode::Drawing, nullptr, std::move(setup));
        m_dialog->show();
        return *m_dialog;
    }

    template <typename T>
    T& Find(const char* name) {
        T* widget = m_dialog->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }
    QString Text(const char* label) { return Find<QLabel>(label).text(); }
    void Type(const char* field, const QString& text) {
        QLineEdit& edit = Find<QLineEdit>(field);
        edit.selectAll();
        if (text.isEmpty())
            QTest::keyClick(&edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(&edit, text);
    }
    // A press on the indicator: radio buttons and check boxes take clicks only there.
    void Click(QAbstractButton& button) {
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
    }
    int Stored(const char* key) { return m_services.Settings().ReadInt("Insatu", key, -99); }

    test::TestServices m_services;
    PrinterSettings m_printer = test::PdfPrinter();
    std::unique_ptr<test::TestPictures> m_pictures;
    std::unique_ptr<CInsatuDlg> m_dialog;
};

TEST_F(InsatuDlgTest, OpensWithThePrinterPaperAndTiling) {
    CInsatuDlg& dialog = Open();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("印刷"));
    EXPECT_EQ(Text("printerName"), "PDF");
    EXPECT_EQ(Text("paperName"), "A4Sheet, 210x297mm");
    EXPECT_EQ(Text("paperSize"), QString::fromUtf8("209.9 X 297.0ﾐﾘ"));
    EXPECT_EQ(Text("pages"), QString::fromUtf8("(ﾖｺ 1 × ﾀﾃ 1 ﾍﾟｰｼﾞ)"));
    EXPECT_EQ(Text("total"), QString::fromUtf8("/ 1 ﾍﾟｰｼﾞ"));
    EXPECT_TRUE(Find<QRadioButton>("portrait").isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rangeAll").isChecked());
    EXPECT_FALSE(Find<QCheckBox>("allOne").isEnabled());
    EXPECT_TRUE(Find<QPushButton>("kind3").isChecked());
    EXPECT_EQ(Find<QLineEdit>("marginLeft").text(), "25");
    EXPECT_EQ(Find<QLineEdit>("marginBottom").text(), "10");
    EXPECT_EQ(Find<QLineEdit>("to").text(), "1");
    EXPECT_EQ(dialog.CurrentMargins(), (Margins{25, 10, 25, 10}));
    // Nothing is written by opening.
    EXPECT_FALSE(m_services.Settings().Contains("Insatu", "MarginLmm"));
    EXPECT_TRUE(m_services.Prompter().Messages().empty());
}

TEST_F(InsatuDlgTest, WideViewTilesAcrossPages) {
    CInsatuDlg& dialog = Open({2000, 2000});
    // 529 mm on 174.9 x 262 mm printable
    EXPECT_EQ(Text("pages"), QString::fromUtf8("(ﾖｺ 4 × ﾀﾃ 3 ﾍﾟｰｼﾞ)"));
    EXPECT_EQ(dialog.TotalPages(), 12);
    EXPECT_EQ(Find<QLineEdit>("to").text(), "12");
}

TEST_F(InsatuDlgTest, MarginFieldsAreCorrectedToTheirLimits) {
    CInsatuDlg& dialog = Open();
    Type("marginTop", "60");
    EXPECT_EQ(Find<QLineEdit>("marginTop").text(), "50");
    EXPECT_EQ(dialog.CurrentMargins().top, 50);
    // The PDF printer's unprintable border is 10 points: 3 mm.
    Type("marginLeft", "0");
    EXPECT_EQ(Find<QLineEdit>("marginLeft").text(), "3");
    EXPECT_EQ(dialog.CurrentMargins().left, 3);
    Type("marginRight", "40");
    EXPECT_EQ(dialog.CurrentMargins().right, 40);
}

TEST_F(InsatuDlgTest, StoredMarginsOutsideThePrintersRangeAreBroughtIn) {
    m_services.Settings().WriteInt("Insatu", "MarginLmm", 0);
    m_services.Settings().WriteInt("Insatu", "MarginTmm", 80);
    CInsatuDlg& dialog = Open();
    EXPECT_EQ(dialog.CurrentMargins().left, 3);
    EXPECT_EQ(dialog.CurrentMargins().top, 50);
}

TEST_F(InsatuDlgTest, RangeFieldsFollowTheTotalAndEachOther) {
    CInsatuDlg& dialog = Open({2000, 2000});
    Type("from", "3");
    Type("to", "20");
    EXPECT_EQ(Find<QLineEdit>("to").text(), "12");
    Type("to", "2");
    EXPECT_EQ(Find<QLineEdit>("to").text(), "3");
    EXPECT_EQ(dialog.RangeFrom(), 3);
    EXPECT_EQ(dialog.RangeTo(), 3);
    EXPECT_TRUE(m_services.Prompter().Messages().empty());

    Type("from", "");
    ASSERT_EQ(m_services.Prompter().Messages().size(), 1u);
    EXPECT_EQ(m_services.Prompter().Messages()[0].text, "正の整数を入力してください。");
    EXPECT_EQ(m_services.Prompter().Messages()[0].style, kWarningOk);
    EXPECT_EQ(m_services.Prompter().Messages()[0].caption, "lumina-graph");
    EXPECT_EQ(Find<QLineEdit>("from").text(), "1");
}

TEST_F(InsatuDlgTest, ShrinkingTotalBelowTheStartSettles) {
    CInsatuDlg& dialog = Open({2000, 2000});
    Type("from", "12");
    // Larger margins leave fewer pages; the end follows the total and stops there.
    Click(Find<QRadioButton>("rangeFromTo"));
    Click(Find<QCheckBox>("allOne"));
    EXPECT_EQ(dialog.TotalPages(), 1);
    EXPECT_EQ(Find<QLineEdit>("to").text(), "1");
}

TEST_F(InsatuDlgTest, OnePageCheckAndRangeButtons) {
    CInsatuDlg& dialog = Open({2000, 2000});
    Click(Find<QRadioButton>("rangeFromTo"));
    EXPECT_EQ(Stored("Hani"), 3);
    QCheckBox& allOne = Find<QCheckBox>("allOne");
    ASSERT_TRUE(allOne.isEnabled());
    Click(allOne);
    EXPECT_EQ(Stored("AllOne"), 1);
    EXPECT_EQ(dialog.TotalPages(), 1);
    EXPECT_EQ(Text("pages"), QString::fromUtf8("(ﾖｺ 1 × ﾀﾃ 1 ﾍﾟｰｼﾞ)"));

    Click(Find<QRadioButton>("rangeAll"));
    EXPECT_EQ(Stored("Hani"), 1);
    EXPECT_EQ(Stored("AllOne"), 0);
    EXPECT_FALSE(allOne.isChecked());
    EXPECT_FALSE(allOne.isEnabled());
    EXPECT_EQ(dialog.TotalPages(), 12);
}

TEST_F(InsatuDlgTest, StoredRangeRestoresTheOnePageCheck) {
    m_services.Settings().WriteInt("Insatu", "Hani", 3);
    m_services.Settings().WriteInt("Insatu", "AllOne", 1);
    CInsatuDlg& dialog = Open({2000, 2000});
    EXPECT_TRUE(Find<QRadioButton>("rangeFromTo").isChecked());
    EXPECT_TRUE(Find<QCheckBox>("allOne").isChecked());
    EXPECT_EQ(dialog.TotalPages(), 1);
}

TEST_F(InsatuDlgTest, OrientationButtonsTurnThePaperAndAreStored) {
    CInsatuDlg& dialog = Open();
    Click(Find<QRadioButton>("landscape"));
    EXPECT_EQ(m_printer.orientation, 2);
    EXPECT_EQ(Stored("Orientation"), 2);
    EXPECT_EQ(Text("paperSize"), QString::fromUtf8("297.0 X 209.9ﾐﾘ"));
    EXPECT_GT(dialog.Layout().paperRect.Width(), dialog.Layout().paperRect.Height());
    // Pressing the checked button still writes the key.
    m_services.Settings().WriteInt("Insatu", "Orientation", 7);
    Click(Find<QRadioButton>("landscape"));
    EXPECT_EQ(Stored("Orientation"), 2);
    EXPECT_FALSE(m_services.Settings().Contains("Insatu", "PaperSize"));
}

TEST_F(InsatuDlgTest, SetupThatTurnsThePaperWritesPaperSizeOnly) {
    Open({600, 500}, [](QPrinter& printer, QWidget*) {
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    QTest::mouseClick(&Find<QPushButton>("setup"), Qt::LeftButton);
    EXPECT_TRUE(Find<QRadioButton>("landscape").isChecked());
    EXPECT_EQ(m_printer.orientation, 2);
    EXPECT_EQ(Stored("PaperSize"), 9);
    EXPECT_FALSE(m_services.Settings().Contains("Insatu", "Orientation"));
    EXPECT_EQ(Text("paperSize"), QString::fromUtf8("297.0 X 209.9ﾐﾘ"));
}

TEST_F(InsatuDlgTest, SetupThatChangesThePaperShowsItsName) {
    Open({600, 500}, [](QPrinter& printer, QWidget*) {
        printer.setPageSize(QPageSize(QPageSize::A5));
        return true;
    });
    QTest::mouseClick(&Find<QPushButton>("setup"), Qt::LeftButton);
    EXPECT_EQ(Text("paperName"), "A5Sheet, 148x210mm");
    EXPECT_EQ(m_printer.paperSize, 11);
    EXPECT_EQ(Stored("PaperSize"), 11);
    EXPECT_TRUE(Find<QRadioButton>("portrait").isChecked());
}

TEST_F(InsatuDlgTest, CancelledSetupChangesNothing) {
    Open({600, 500}, [](QPrinter& printer, QWidget*) {
        printer.setPageOrientation(QPageLayout::Landscape);
        return false;
    });
    QTest::mouseClick(&Find<QPushButton>("setup"), Qt::LeftButton);
    EXPECT_EQ(m_printer.orientation, 1);
    EXPECT_FALSE(m_services.Settings().Contains("Insatu", "PaperSize"));
}

TEST_F(InsatuDlgTest, CancelKeepsTheStoredMargins) {
    m_services.Settings().WriteInt("Insatu", "MarginLmm", 20);
    Open();
    Type("marginLeft", "30");
    QTest::mouseClick(&Find<QPushButton>("cancel"), Qt::LeftButton);
    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
    EXPECT_EQ(Stored("MarginLmm"), 20);
    EXPECT_FALSE(m_services.Settings().Contains("Insatu", "MarginRmm"));
    // Closing writes the margins flag and the placement either way.
    EXPECT_EQ(Stored("DspYohaku"), 0);
    EXPECT_TRUE(m_services.Settings().Contains("Insatu", "SX"));
    EXPECT_EQ(Stored("Zoomed"), 0);
}

TEST_F(InsatuDlgTest, PrintWritesTheMarginsAndThePdf) {
    const std::string pdf = m_services.Dir().File("glyph.pdf");
    m_services.Prompter().QueueFileName(pdf);
    Open({1000, 500});
    Type("marginLeft", "30");
    Click(Find<QCheckBox>("showMargins"));
    QTest::mouseClick(&Find<QPushButton>("print"), Qt::LeftButton);
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Stored("MarginLmm"), 30);
    EXPECT_EQ(Stored("MarginRmm"), 10);
    EXPECT_EQ(Stored("MarginTmm"), 25);
    EXPECT_EQ(Stored("MarginBmm"), 10);
    EXPECT_EQ(Stored("DspYohaku"), 1);
    ASSERT_EQ(m_services.Prompter().FileDialogs().size(), 1u);
    EXPECT_EQ(m_services.Prompter().FileDialogs()[0].defaultExtension, "pdf");
    EXPECT_EQ(test::PdfInfo(pdf, "Pages"), "2");
    EXPECT_EQ(m_dialog->CurrentPage(), 2); // the page followed the job
}

TEST_F(InsatuDlgTest, PdfFileThatCannotBeWrittenIsShownOverTheDialog) {
    const std::string pdf = m_services.Dir().File("missing/glyph.pdf");
    m_services.Prompter().QueueFileName(pdf);
    Open({1000, 500});
    QTest::mouseClick(&Find<QPushButton>("print"), Qt::LeftButton);
    const auto& boxes = m_services.Prompter().Messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, pdf + "\n" + MessageText(kMsgOpenFailed));
    EXPECT_EQ(boxes[0].style, kErrorOk);
    EXPECT_EQ(boxes[0].owner, static_cast<const QWidget*>(m_dialog.get()));
}

TEST_F(InsatuDlgTest, NoPdfFileChosenStaysInTheDialog) {
    Open();
    Type("marginLeft", "30");
    QTest::mouseClick(&Find<QPushButton>("print"), Qt::LeftButton);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_FALSE(m_services.Settings().Contains("Insatu", "MarginLmm"));
}

TEST_F(InsatuDlgTest, PrinterThatCannotBeOpenedLeavesNoPreview) {
    m_printer = PrinterSettings{"no-such-printer-here", false, 9, 1};
    CInsatuDlg& dialog = Open();
    ASSERT_EQ(m_services.Prompter().Messages().size(), 1u);
    EXPECT_EQ(m_services.Prompter().Messages()[0].text,
              std::string("CreateDC At OnInitDialog\n") + MessageText(kMsgPrinterDc));
    EXPECT_FALSE(dialog.HasLayout());
    EXPECT_EQ(dialog.CurrentMargins(), (Margins{25, 10, 25, 10}));
    // A later layout tries again and says where it failed.
    Click(Find<QRadioButton>("landscape"));
    ASSERT_EQ(m_services.Prompter().Messages().size(), 2u);
    EXPECT_EQ(m_services.Prompter().Messages()[1].text,
              std::string("CreateDC At SetPaperSize\n") + MessageText(kMsgPrinterDc));
}

TEST_F(InsatuDlgTest, DisplayKindButtonsLightOneLamp) {
    CInsatuDlg& dialog = Open();
    QTest::mouseClick(&Find<QPushButton>("kind1"), Qt::LeftButton);
    EXPECT_EQ(dialog.DisplayKind(), DisplayMode::Outline);
    EXPECT_TRUE(Find<QPushButton>("kind1").isChecked());
    EXPECT_FALSE(Find<QPushButton>("kind3").isChecked());
    QTest::mouseClick(&Find<QPushButton>("kind1"), Qt::LeftButton);
    EXPECT_TRUE(Find<QPushButton>("kind1").isChecked());
    EXPECT_FALSE(m_services.Settings().Contains("Last", "DspMode"));
}

TEST_F(InsatuDlgTest, PreviewShowsShadowPaperAndTheTile) {
    CInsatuDlg& dialog = Open();
    const PreviewFrame& frame = Find<PreviewFrame>("preview");
    const Surface* canvas = frame.CurrentCanvas();
    ASSERT_NE(canvas, nullptr);
    const QPoint origin = frame.pos();
    const Rect paper = dialog.Layout().paperRect;
    const auto at = [&](int x, int y) { return canvas->PixelAt({x - origin.x(), y - origin.y()}); };
    EXPECT_EQ(at(paper.left, paper.top), kPaperEdgeColour);
    EXPECT_EQ(at(paper.right + 2, paper.bottom + 2), kShadowColour);
    EXPECT_EQ(at(paper.left + 3, paper.top + 3), Rgb(255, 255, 255));
    // The black square of the drawing at (100..150) view pixels, scaled into the printable area.
    const Rect p = dialog.Layout().printable;
    const float scale = dialog.Layout().previewScale;
    EXPECT_EQ(at(p.left + static_cast<int>(125 * scale), p.top + static_cast<int>(125 * scale)),
              Rgb(0, 0, 0));
    EXPECT_EQ(at(p.left + 2, p.top + 2), Rgb(255, 255, 255));
}

TEST_F(InsatuDlgTest, MarginLineDragSetsTheMargin) {
    CInsatuDlg& dialog = Open();
    Click(Find<QCheckBox>("showMargins"));
    const Rect p = dialog.Layout().printable;
    const Rect paper = dialog.Layout().paperRect;
    const int y = (p.top + p.bottom) / 2;
    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(p.left + 1, y));
    QTest::mouseMove(&dialog, QPoint(p.left + 20, y));
    EXPECT_TRUE(Find<PreviewFrame>("preview").DragLineShown());
    // Dragged far right: the line stops at 50 mm, which reads back as 49 and is taken as 50.
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(paper.right, y));
    EXPECT_FALSE(Find<PreviewFrame>("preview").DragLineShown());
    EXPECT_EQ(dialog.CurrentMargins().left, 50);
    EXPECT_EQ(Find<QLineEdit>("marginLeft").text(), "50");

    // The top line dragged up to the paper edge stops at the physical offset.
    const Rect q = dialog.Layout().printable;
    const int x = (q.left + q.right) / 2;
    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(x, q.top));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(x, paper.top - 30));
    EXPECT_EQ(dialog.CurrentMargins().top, 3);
}

TEST_F(InsatuDlgTest, MarginLinesCannotBeDraggedWhenHidden) {
    CInsatuDlg& dialog = Open();
    const Rect p = dialog.Layout().printable;
    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(p.left, p.top + 40));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(p.left + 60, p.top + 40));
    EXPECT_EQ(dialog.CurrentMargins().left, 25);
}

TEST_F(InsatuDlgTest, ResizingGrowsThePreview) {
    CInsatuDlg& dialog = Open();
    const int before = dialog.Layout().paperRect.Height();
    dialog.resize(dialog.width() + 200, dialog.height() + 200);
    QApplication::processEvents();
    EXPECT_GT(dialog.Layout().paperRect.Height(), before);
    const QRect frame = Find<PreviewFrame>("preview").geometry();
    EXPECT_EQ(frame.right() + 1, dialog.width() - 2);
    EXPECT_EQ(frame.bottom() + 1, dialog.height() - 2);
    // Never smaller than at opening.
    dialog.resize(100, 100);
    EXPECT_GE(dialog.width(), dialog.minimumWidth());
}

TEST_F(InsatuDlgTest, RestoresAndStoresThePlacement) {
    SettingsStore& store = m_services.Settings();
    store.WriteInt("Insatu", "PX", 30);
    store.WriteInt("Insatu", "PY", 40);
    store.WriteInt("Insatu", "SX", 1100);
    store.WriteInt("Insatu", "SY", 800);
    CInsatuDlg& dialog = Open();
    EXPECT_EQ(dialog.frameGeometry(), QRect(30, 40, 1100, 800));
    dialog.move(-20, 50);
    dialog.reject();
    EXPECT_EQ(Stored("PX"), 0);
    EXPECT_EQ(Stored("PY"), 50);
    EXPECT_EQ(Stored("SX"), 1100);
    EXPECT_EQ(Stored("SY"), 800);
}

TEST_F(InsatuDlgTest, PlacementOffTheDesktopIsNotUsed) {
    m_services.Settings().WriteInt("Insatu", "PX", 100000);
    m_services.Settings().WriteInt("Insatu", "SX", 1300);
    CInsatuDlg& dialog = Open();
    EXPECT_NE(dialog.width(), 1300);
}

} // namespace
} // namespace lumina
