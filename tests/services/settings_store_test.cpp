#include "services/settings_store.h"

#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace lumina {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    test::TempDir m_dir;
    std::string m_ini = m_dir.File("store.ini");
};

TEST_F(SettingsStoreTest, ReadsGiveDefaultsUntilWritten) {
    SettingsStore store(m_ini);
    EXPECT_EQ(store.ReadInt("Last", "FontSize", 300), 300);
    EXPECT_EQ(store.ReadString("Last", "Char", "あ"), "あ");
    EXPECT_FALSE(store.Contains("Last", "FontSize"));
}

TEST_F(SettingsStoreTest, ValuesRoundTripThroughTheFileAtOnce) {
    {
        SettingsStore store(m_ini);
        store.WriteInt("Last", "OrgX", -20);
        store.WriteInt("Last", "Big", 2147483647);
        store.WriteInt("Last", "Small", -2147483647 - 1);
        store.WriteString("Last", "Char", "漢");
        store.WriteString("Last", "Bit1Char", "■,□ \"x\"");
        store.WriteString("Prop", "出力文字種  (すべて「する」にする)", "kept");
        // A second store on the same file sees each write without any flush by the writer.
        SettingsStore reader(m_ini);
        EXPECT_EQ(reader.ReadInt("Last", "OrgX", 0), -20);
    }
    SettingsStore store(m_ini);
    EXPECT_EQ(store.ReadInt("Last", "OrgX", 0), -20);
    EXPECT_EQ(store.ReadInt("Last", "Big", 0), 2147483647);
    EXPECT_EQ(store.ReadInt("Last", "Small", 0), -2147483647 - 1);
    EXPECT_EQ(store.ReadString("Last", "Char", ""), "漢");
    EXPECT_EQ(store.ReadString("Last", "Bit1Char", ""), "■,□ \"x\"");
    EXPECT_EQ(store.ReadString("Prop", "出力文字種  (すべて「する」にする)", ""), "kept");
}

TEST_F(SettingsStoreTest, SameKeyInTwoSectionsIsTwoValues) {
    SettingsStore store(m_ini);
    store.WriteInt("Last", "Zoomed", 1);
    store.WriteInt("Insatu", "Zoomed", 0);
    EXPECT_EQ(store.ReadInt("Last", "Zoomed", -1), 1);
    EXPECT_EQ(store.ReadInt("Insatu", "Zoomed", -1), 0);
}

TEST_F(SettingsStoreTest, UnreadableValuesGiveTheDefault) {
    std::ofstream(m_ini) << "[Last]\nFontSize=abc\nOrgX=99999999999\n";
    SettingsStore store(m_ini);
    EXPECT_EQ(store.ReadInt("Last", "FontSize", 300), 300);
    EXPECT_EQ(store.ReadInt("Last", "OrgX", 7), 7);
}

TEST_F(SettingsStoreTest, AFailedWriteIsSilentAndReadsStillWork) {
    const std::string folder = m_dir.File("locked");
    ASSERT_EQ(mkdir(folder.c_str(), 0500), 0);
    SettingsStore store(folder + "/store.ini");
    store.WriteInt("Last", "FontSize", 12);
    EXPECT_EQ(store.ReadInt("Insatu", "PaperSize", 9), 9);
}

} // namespace
} // namespace lumina
