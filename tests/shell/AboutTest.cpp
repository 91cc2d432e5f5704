// SPDX-License-Identifier: GPL-3.0-or-later
// The about window's plug-in presentation on description files a test writes, and its version
// line. (The window's load, links, colours, dragging and OK are driven by the about_* scenario
// scripts.)
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

} // namespace
