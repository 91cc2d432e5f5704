// SPDX-License-Identifier: GPL-3.0-or-later
// Hiding into the tray where a script cannot reach: a tray click while the tray menu is open,
// desktops without a notification area, and tips in other scripts than Latin. (The clicks, the
// "Insulating Sheet" item and Auto Show are driven by the tray_* scenario scripts.)
#include "shell/Sheet.h"
#include "tests/Sim.h"

#include <QJsonArray>
#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(TrayTip, IsCutAfterSixtyThreeCharactersNeverInsideOne) {
    // Two bytes a character, and a four-byte one at the boundary: 63 characters stay whole.
    std::string accents;
    for (int i = 0; i < 62; ++i)
        accents += "\xC3\xA9";     // é
    accents += "\xF0\x9F\x90\xA3"; // a hatching chick
    accents += "\xC3\xA9";
    const std::string cut(Form1::trayTipText(accents));
    EXPECT_EQ(QString::fromUtf8(cut).toStdString(), cut) << "not UTF-8";
    EXPECT_EQ(cut, accents.substr(0, 62 * 2 + 4));
}

class Tray : public testing::Test {
protected:
    void start(const std::string& setup = "") { sim.run("store InsulatingSheet 0\n" + setup + "start"); }
    Form1& form() { return sim.form(); }
    bool hidden() { return form().options.hidden; }
    Sim sim;
};

TEST_F(Tray, AClickWhileItsMenuIsOpenIsDropped) {
    start();
    HeadlessDesktop& desktop = sim.script().desktop;
    int nested = 0;
    desktop.whileMenuOpen = [&]() -> std::optional<int> {
        // The user right-clicks and double-clicks the icon again while the menu is open.
        if (++nested == 1) {
            form().trayEvent(517);
            form().trayEvent(515);
        }
        return std::nullopt;
    };
    sim.run("tray rup");
    EXPECT_EQ(desktop.popups, 1);
    EXPECT_FALSE(hidden());
    EXPECT_TRUE(form().window.visible);
    EXPECT_FALSE(form().TrayBusy);
    // Once the menu has closed the tray answers again, and a choice from it runs.
    desktop.whileMenuOpen = [] { return std::optional<int>(static_cast<int>(MenuId::mPopupStatus)); };
    sim.run("tray rup");
    EXPECT_EQ(desktop.popups, 2);
    EXPECT_TRUE(hidden());
    EXPECT_FALSE(form().window.visible);
}

TEST_F(Tray, WithoutANotificationAreaHideMinimises) {
    sim.script().tray.hostPresent = false;
    start();
    sim.run("menu mPopupStatus");
    EXPECT_TRUE(hidden());
    EXPECT_TRUE(form().window.minimized);
    EXPECT_TRUE(form().window.visible);
    // A second "Hide" brings it back ...
    sim.run("menu mPopupStatus");
    EXPECT_FALSE(hidden());
    EXPECT_FALSE(form().window.minimized);
    // ... and so does the task bar, with the sound of coming back.
    sim.run("menu mPopupStatus\ndump");
    form().windowRestoredByUser();
    EXPECT_FALSE(hidden());
    EXPECT_FALSE(form().window.minimized);
    EXPECT_EQ(sim.dump().value("sounds").toArray().last().toString(), "\\sounds\\restore.wav");
    // A restore that the toy did not ask for changes nothing.
    form().windowRestoredByUser();
    EXPECT_FALSE(hidden());
    // A second program for the pet brings the toy back from the task bar, whether "Hide" or the
    // user put it there.
    sim.run("menu mPopupStatus\nfront");
    EXPECT_FALSE(hidden());
    EXPECT_FALSE(form().window.minimized);
    form().window.minimized = true;
    sim.run("front");
    EXPECT_FALSE(form().window.minimized);
}

TEST_F(Tray, AToyStoredHiddenStartsShownOnlyWhereNoTrayCouldBringItBack) {
    start("store FormVisible False\n");
    EXPECT_TRUE(hidden());
    EXPECT_FALSE(form().window.visible);
    EXPECT_FALSE(form().menuItem(MenuId::mPopupInsulatingSheet).enabled);

    Sim noTray;
    noTray.script().tray.hostPresent = false;
    noTray.run("store InsulatingSheet 0\nstore FormVisible False\nstart");
    EXPECT_FALSE(noTray.form().options.hidden);
    EXPECT_TRUE(noTray.form().window.visible);
    EXPECT_TRUE(noTray.form().menuItem(MenuId::mPopupInsulatingSheet).enabled);
    // It is saved as shown, too.
    noTray.run("quit");
    EXPECT_EQ(noTray.settings().value("FormVisible").toString(), "True");
}

TEST_F(Tray, TheSheetStillInGoesAndComesBackBelowTheToy) {
    sim.run("rnd 0.5\nstart"); // a first run: the sheet sits in the slot
    ASSERT_TRUE(form().sheet);
    sim.run("menu mPopupStatus");
    EXPECT_FALSE(form().sheet->window.visible);
    // Pulled free of the toy meanwhile, it would float above it: restoring puts it back below.
    form().DoSetAlwaysOnTop(form().window, false);
    form().DoSetAlwaysOnTop(form().sheet->window, true);
    sim.run("tray dblclick");
    EXPECT_TRUE(form().sheet->window.visible);
    EXPECT_TRUE(form().window.topmost);
    EXPECT_FALSE(form().sheet->window.topmost);
    // The item stays as the sheet wants it: checked and greyed while the sheet is in.
    EXPECT_FALSE(form().menuItem(MenuId::mPopupInsulatingSheet).enabled);
}

} // namespace
