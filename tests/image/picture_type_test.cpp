#include "image/picture_type.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(PictureType, FromTheTextAfterTheLastDot) {
    const struct {
        const char* path;
        const char* type;
    } cases[] = {
        {"/pictures/photo.JPG", "jpeg"},
        {"photo.jpeg", "jpeg"},
        {"/scans/scan.TIF", "tiff"},
        {"scan.tiff", "tiff"},
        {"a.Gif", "gif"},
        {"a.bmp", "bmp"},
        {"a.PNG", "png"},
        {"/x/archive.tar.gz", ""},
        {"/x/README", ""},
        {"/x.png/README", ""},
        {"ends with dot.", ""},
        {"/写真/猫.JPEG", "jpeg"},
        {"/写真/猫.ｐｎｇ", ""}, // full-width letters are not the extension
        {"photo.jpg ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureTypeFromPath(c.path), c.type) << c.path;
}

} // namespace
} // namespace lumina
