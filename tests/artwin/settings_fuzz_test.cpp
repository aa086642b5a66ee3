// Every key of sections "Zoviv" and "Prop" holding an extreme or malformed value, alone and all at
// once: the character-art window still opens on the desktop, makes its art and keeps settings
// the run can work with.
#include "platform/cp932.h"
#include "tests/artwin/artwin_support.h"
#include "tests/support/hostile_settings.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>

namespace lumina::test {
namespace {

std::vector<SettingKey> PropKeys(const std::vector<std::string>& titles) {
    std::vector<SettingKey> keys;
    for (const std::string& title : titles)
        keys.push_back({kPropSection, title});
    return keys;
}

class ArtWindowSettingsFuzz : public ::testing::TestWithParam<HostileValue> {
protected:
    void OpenWith(const std::vector<SettingKey>& keys) {
        // Kanji off keeps the runs short; the key UseKanji itself is fuzzed too.
        auto services = ArtServices();
        for (const SettingKey& key : keys)
            GetParam().WriteTo(services->Settings(), key);
        auto dialog = OpenShown(*services, Fixture("small.png"));
        ASSERT_TRUE(dialog->Opened());
        EXPECT_GE(dialog->RunCount(), 1);

        const QRect desktop = QGuiApplication::primaryScreen()->availableVirtualGeometry();
        EXPECT_TRUE(TitleBarReachable(dialog->frameGeometry(), desktop));
        const QSize least = dialog->MinimumWindowSize();
        EXPECT_LE(dialog->width(), std::max(desktop.width(), least.width()));
        EXPECT_LE(dialog->height(), std::max(desktop.height(), least.height()));
        EXPECT_GE(dialog->Zoom(), -8);
        EXPECT_LE(dialog->Zoom(), 8);

        const ArtSettings& s = dialog->Engine().Settings();
        const auto face = cp932::FromUtf8(s.FontName);
        EXPECT_LE(face ? face->size() : s.FontName.size(), 31u);
        for (const ArtSettingRow* row : kArtSettingRows) {
            if (row->field) {
                EXPECT_GE(s.*row->field, row->number.min) << row->caption;
                EXPECT_LE(s.*row->field, row->number.max) << row->caption;
            }
        }
        EXPECT_GE(s.FontSize, kFontSizeMin);
        EXPECT_LE(s.FontSize, kFontSizeMax);
        dialog->reject();
    }
};

TEST_P(ArtWindowSettingsFuzz, OpensOnTheDesktopAndMakesItsArt) {
    const std::vector<std::string> titles = GroupTitles();
    std::vector<SettingKey> keys = ZovivSettingKeys();
    for (const SettingKey& key : PropKeys(titles))
        keys.push_back(key);
    for (const SettingKey& key : keys) {
        SCOPED_TRACE(std::string(key.section) + " " + std::string(key.key));
        OpenWith({key});
    }
    SCOPED_TRACE("every key");
    OpenWith(keys);
}

INSTANTIATE_TEST_SUITE_P(ZovivAndProp, ArtWindowSettingsFuzz, ::testing::ValuesIn(HostileValues()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace lumina::test
