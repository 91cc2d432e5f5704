// SPDX-License-Identifier: GPL-3.0-or-later
// The booklet on page sets a test lays out itself: gaps in the numbering, a plug-in's pages that
// do not begin at one, no pages at all, and a page that goes away while the booklet is open.
// (Turning, sounds, keys, dragging, a plug-in's own pages and the toy at rest are driven by the
// booklet_* scenario scripts.)
#include "shell/Instructions.h"
#include "tests/TestTree.h"

#include <QJsonArray>

namespace {

class Booklet : public TreeDevice {
protected:
    void pages(const std::string& folder, std::initializer_list<int> numbers) {
        for (int n : numbers)
            tree.picture(folder + "/page" + (n < 10 ? "0" : "") + std::to_string(n) + ".gif", 340, 230);
    }
    Form4* booklet() { return sim->form().booklet.get(); }
};

TEST_F(Booklet, CountsTheUnbrokenRunFromPageOne) {
    pages("instruct", {1, 2, 3, 4, 5, 7, 8});
    start();
    sim->run("menu mPopupInstructions");
    ASSERT_TRUE(booklet());
    EXPECT_EQ(booklet()->PageCount, 5);
    EXPECT_EQ(booklet()->PagePrefix, "\\instruct\\page");
    EXPECT_EQ(at(booklet()->Picture1), "/instruct/page01.gif");
    sim->run("window Form4 key 35 down"); // End
    EXPECT_EQ(booklet()->CurrentPage, 5);
    sim->run("window Form4 key 40 down"); // and on past the end: back to the front, never to 7
    EXPECT_EQ(booklet()->CurrentPage, 1);
}

TEST_F(Booklet, APlugInWithoutAPageOneFallsBackToTheProgramsOwn) {
    pages("instruct", {1, 2, 3});
    pages("plugins/Gappy/instruct", {2, 3});
    tree.text("plugins/Gappy/plugin.ini", "name = Gappy\n");
    start("store Plugins Gappy\n");
    sim->run("menu mPopupInstructions");
    ASSERT_TRUE(booklet());
    EXPECT_EQ(booklet()->PagePrefix, "\\instruct\\page");
    EXPECT_EQ(booklet()->PageCount, 3);
}

TEST_F(Booklet, WithoutPagesNothingOpensAndTheToyStaysAwake) {
    start();
    sim->run("menu mPopupInstructions\nkey 112 down");
    EXPECT_FALSE(booklet());
    EXPECT_TRUE(form().window.enabled);
    for (MenuId item : {MenuId::mPopupStatus, MenuId::mPopupOnTop, MenuId::mCheats,
                        MenuId::mPopupInstructions, MenuId::mPopupAbout, MenuId::mPopupInsulatingSheet})
        EXPECT_TRUE(form().menuItem(item).enabled) << static_cast<int>(item);
    EXPECT_TRUE(sim->dump().value("sounds").toArray().isEmpty());
}

TEST_F(Booklet, APageThatWentAwayLeavesTheBookletWhereItWas) {
    pages("instruct", {1, 2, 3});
    start();
    sim->run("menu mPopupInstructions\nwindow Form4 key 40 down\ndump");
    ASSERT_EQ(booklet()->CurrentPage, 2);
    tree.remove("instruct/page03.gif");
    sim->run("window Form4 key 40 down");
    EXPECT_EQ(booklet()->CurrentPage, 2);
    EXPECT_EQ(at(booklet()->Picture1), "/instruct/page02.gif");
    tree.remove("instruct/page01.gif");
    sim->run("window Form4 key 38 down\nwindow Form4 key 38 down");
    EXPECT_EQ(booklet()->CurrentPage, 2);
    EXPECT_TRUE(sim->dump().value("sounds").toArray().isEmpty());
}

} // namespace
