// SPDX-License-Identifier: GPL-3.0-or-later
// Cut picture files: every prefix of a whole GIF or icon is refused, the whole file is not.
#include "platform/disk/PictureFile.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureFile, EveryCutOfAWholeFileIsRefused) {
    for (const std::string& whole :
         {TestTree::gifBytes(9, 7, Qt::green), TestTree::iconBytes(5, 4, Qt::red)}) {
        ASSERT_GT(whole.size(), 30u);
        EXPECT_TRUE(pictureFileComplete(whole));
        // From the six bytes on that tell the format; shorter ones no decoder takes anyway.
        for (std::size_t length = 6; length < whole.size(); ++length)
            EXPECT_FALSE(pictureFileComplete(std::string_view(whole).substr(0, length)))
                << whole.substr(0, 3) << " cut to " << length;
    }
}

TEST(PictureFile, AGifNeedsAnImageAndKnownBlocks) {
    const std::string whole = TestTree::gifBytes(4, 4, Qt::green);
    // The trailer right after the colour table: no image at all.
    EXPECT_FALSE(pictureFileComplete(whole.substr(0, 13 + 6) + ";"));
    std::string unknown = whole;
    unknown[13 + 6] = 'x';
    EXPECT_FALSE(pictureFileComplete(unknown));
    // Other formats are the decoder's business.
    EXPECT_TRUE(pictureFileComplete("\x89PNG\r\n"));
}

} // namespace
