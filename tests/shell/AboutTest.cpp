// The about window's plug-in presentation on description files a test writes, its version line
// and the links it hands to the desktop. (The window's load, colours, dragging and OK are driven
// by the about_* scenario scripts.)
#include "shell/About.h"
#include "tests/TestTree.h"

#include "PiplingVersion.h"

namespace {

class About : public TreeDevice {
protected:
    Form2& open(const std::string& plugin, const std::string& description) {
        tree.text("plugins/" + plugin + "/plugin.ini", description);
        start("store Plugins " + plugin + "\n");
        sim->run("menu mPopupAbout");
        return *sim->form().about;
    }
};

TEST_F(About, PresentsThePlugInFromItsDescriptionFile) {
    Form2& about = open("Shouty", "; a comment = not a name\n"
                                  "   NAME   =   Loud  Pets   \n"
                                  "Description=First words\n"
                                  "no equals sign here\n"
                                  "name =\n"
                                  "DESCRIPTION =  Last words win \n"
                                  "[Captions]\n"
                                  "Sleep = Nap\n");
    EXPECT_EQ(about.Frame1, "Loud  Pets");
    EXPECT_EQ(about.Text2, "Last words win");
}

TEST_F(About, KeepsItsOwnNoticeWhenThePlugInSaysNothing) {
    Form2& about = open("Quiet", "; nothing but a comment\n");
    EXPECT_EQ(about.Frame1, "");
    EXPECT_EQ(about.Text2, AboutText::Terms);
    EXPECT_EQ(about.Label1, std::string("Pipling Simulator ") + PiplingVersion);
}

TEST_F(About, OpensTheLinksWithTheDesktopsHandler) {
    start();
    sim->run("menu mPopupAbout\n"
             "window Form2 mouse Email down 1 10 10\n"
             "window Form2 mouse Email up 1 10 10\n"
             "window Form2 mouse Homepage down 2 10 10\n"
             "window Form2 mouse Homepage up 2 10 10");
    const auto& links = sim->script().desktop.links;
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0], std::string("mailto:") + AboutText::Email);
    EXPECT_EQ(links[1], AboutText::Homepage);
    // A press alone opens nothing.
    sim->run("window Form2 mouse Email down 1 10 10");
    EXPECT_EQ(links.size(), 2u);
}

} // namespace
