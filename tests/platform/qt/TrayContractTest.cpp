// SPDX-License-Identifier: GPL-3.0-or-later
// The tray on the real desktop and the headless one that the other tests rely on, held to the same
// expectations: a null icon means the window's own icon, nothing shows before add or after remove.
#include "platform/headless/Headless.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/common/QtPicture.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace {

PictureHandle solid(const char* name, Qt::GlobalColor color) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(color);
    return std::make_shared<QtPicture>(name, image);
}
const PictureHandle& windowIcon() {
    static const PictureHandle icon = solid("window.ico", Qt::red);
    return icon;
}
PictureHandle picture() {
    return solid("blue.ico", Qt::blue);
}

struct QtSide {
    QtSide() { qputenv("PIPLING_FORCE_TRAY", "1"); } // the offscreen platform has no tray of its own
    QtTray tray{[] { return windowIcon(); }};
    bool present() const { return tray.shown() != nullptr; }
    bool showsWindowIcon() const {
        return tray.shown()->icon().pixmap(16, 16).toImage().pixelColor(8, 8) == QColor(Qt::red);
    }
    std::string tip() const { return tray.shown()->toolTip().toStdString(); }
};

struct HeadlessSide {
    RecordingTray tray;
    bool present() const { return tray.present; }
    bool showsWindowIcon() const { return tray.icon == nullptr; }
    std::string tip() const { return tray.tip; }
};

template <typename Side> class TrayContract : public testing::Test {
protected:
    Side side;
};
using Sides = testing::Types<QtSide, HeadlessSide>;
TYPED_TEST_SUITE(TrayContract, Sides);

TYPED_TEST(TrayContract, ANullIconShowsTheWindowsOwnIcon) {
    auto& side = this->side;
    side.tray.modify(picture(), "early");
    EXPECT_FALSE(side.present()) << "a change before the icon is added shows nothing";

    side.tray.add(nullptr, "Loading");
    ASSERT_TRUE(side.present());
    EXPECT_TRUE(side.showsWindowIcon());
    EXPECT_EQ(side.tip(), "Loading");

    side.tray.modify(picture(), "Hungry");
    EXPECT_FALSE(side.showsWindowIcon());
    EXPECT_EQ(side.tip(), "Hungry");
    side.tray.modify(nullptr, "Hungry");
    EXPECT_TRUE(side.showsWindowIcon()) << "the null icon brings the window's icon back";

    side.tray.remove();
    EXPECT_FALSE(side.present());
}

} // namespace
