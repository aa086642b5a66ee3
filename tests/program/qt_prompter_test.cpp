#include "widgets/qt_prompter.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(QtPrompterFilter, KeepsDescriptionsAndListsThePatterns) {
    EXPECT_EQ(QtFilterFromProgramFilter("テキストファイル(*.txt)|*.txt||"),
              "テキストファイル(*.txt) (*.txt)");
    EXPECT_EQ(
        QtFilterFromProgramFilter("イメージファイル(jpeg, gif) |*.jpg;*.jpeg;*.gif|GIFファイル("
                                  "*.gif)|*.gif||"),
        "イメージファイル(jpeg, gif)  (*.jpg *.jpeg *.gif);;GIFファイル(*.gif) (*.gif)");
    EXPECT_EQ(QtFilterFromProgramFilter(""), "");
}

} // namespace
} // namespace lumina
