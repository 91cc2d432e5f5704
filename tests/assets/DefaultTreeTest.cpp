// The default asset tree that the build writes next to the programs: every file the device asks
// for must be there and decode, and the description files must speak the readers' language.
// The expected files come from the loading tables themselves, not from a list kept by hand.
#include "assets/AssetTables.h"
#include "assets/DescriptionFile.h"
#include "assets/DescriptionKeys.h"
#include "platform/disk/DiskFiles.h"
#include "platform/qt/common/QtPicture.h"
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

const std::string Bin = PIPLING_BIN_DIR;

std::string programName(const std::string& slashed) {
    std::string name = "\\" + slashed;
    std::replace(name.begin(), name.end(), '/', '\\');
    return name;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "\n  " + item;
    return text;
}

// The skin folders of the tree, "Default" first: a fresh installation starts with it.
std::vector<std::string> skins(const std::string& appDir) {
    std::vector<std::string> names{"Default"};
    for (const std::string& name : DiskFiles().listFolder(appDir + "\\skins"))
        if (lowered(name) != "default" && fs::is_directory(fs::path(appDir) / "skins" / name))
            names.push_back(name);
    return names;
}

class DefaultTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(fs::path(Bin) / "default.ini"))
            GTEST_SKIP() << "no default asset tree in " << Bin << " (built with PIPLING_ASSETS=OFF?)";
    }
};

// Every file of a program folder that the device asks for and that is missing or does not
// decode, as "missing: NAME" or "undecodable: NAME".
std::vector<std::string> assetProblems(const std::string& appDir) {
    DiskFiles files;
    QtPictureLoader pictures;
    std::set<std::string> checked;
    std::vector<std::string> problems;
    auto expectPicture = [&](const std::string& relative) {
        if (!checked.insert(lowered(relative)).second) return;
        const std::string path = appDir + programName(relative);
        if (!files.exists(path))
            problems.push_back("missing: " + relative);
        else if (!pictures.load(path))
            problems.push_back("undecodable: " + relative);
    };
    auto expectText = [&](const std::string& relative) {
        if (!files.readLines(appDir + programName(relative))) problems.push_back("missing: " + relative);
    };

    expectText("default.ini");
    for (const std::string& skin : skins(appDir)) {
        expectText("skins/" + skin + "/skin.ini");
        for (const AssetLoop& loop : builtInAssets())
            for (int index = 0; index < loop.count; ++index)
                for (const AssetSlot& slot : loop.entries)
                    if (!slot.overrideOnly)
                        expectPicture(TestTree::slotFolder(slot.folder, skin, 0) + slot.fileName(index));
    }
    for (int character = 0; character <= 12; ++character) {
        // The angel's placements are never read: it keeps those of the character before it.
        if (character < 12)
            expectText("Chars/" + characterNumber(static_cast<int16_t>(character)) + "/char.ini");
        for (const AssetLoop& loop : characterAssets(static_cast<int16_t>(character)))
            for (int index = 0; index < loop.count; ++index)
                for (const AssetSlot& slot : loop.entries)
                    expectPicture(TestTree::slotFolder(slot.folder, "", character) + slot.fileName(index));
    }
    return problems;
}

// Starts a device on the program folder and checks that every shown element the loading table
// fills has a picture from one of the files that may feed it.
void expectLoadedPictures(const std::string& appDir) {
    Sim sim(appDir);
    sim.run("start");
    Form1& form = sim.form();

    std::map<const Element*, std::string> names;
    form.elements.forEachShown([&](const char* name, int index, Element& element) {
        names[&element] = ElementSet::elementName(name, index);
    });
    std::map<std::string, std::set<std::string>> sources;
    for (const AssetLoop& loop : builtInAssets())
        for (int index = 0; index < loop.count; ++index)
            for (const AssetSlot& slot : loop.entries) {
                const AssetTarget target = slot.target(form, index);
                Element* const* element = std::get_if<Element*>(&target);
                if (slot.kind == AssetKind::Picture && element && *element)
                    sources[names.at(*element)].insert(lowered(
                        TestTree::slotFolder(slot.folder, form.pet.CurrentSkin, 0) + slot.fileName(index)));
            }
    sources["ResetButton"] = sources["ResetStatus(0)"];
    ASSERT_GT(sources.size(), 40u);

    const QJsonObject elements = sim.dump().value("elements").toObject();
    for (const auto& [name, files] : sources) {
        const QJsonValue picture = elements.value(QString::fromStdString(name)).toObject().value("picture");
        if (!picture.isString()) {
            ADD_FAILURE() << name << " has no picture";
            continue;
        }
        EXPECT_TRUE(files.count(lowered(picture.toString().toStdString())))
            << name << ": " << picture.toString().toStdString();
    }
    // The dark overlay takes its picture from the hidden store at start-up.
    EXPECT_TRUE(elements.value("Dark").toObject().value("picture").isString()) << "Dark has no picture";
}

TEST_F(DefaultTreeTest, EveryFileTheDeviceAsksForExistsAndDecodes) {
    const std::vector<std::string> problems = assetProblems(Bin);
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems in " << Bin << ":" << joined(problems);
}

TEST_F(DefaultTreeTest, DescriptionFilesUseOnlyKeysTheReadersKnow) {
    Sim sim(Bin);
    sim.run("start");
    const std::vector<std::string> labelKeys = labelFileKeys(sim.form());
    const std::vector<std::string> skinKeys = skinFileKeys(sim.form());
    const std::vector<std::string> characterKeys = characterFileKeys();
    // Keys that describe a plug-in to the chooser and the about window.
    const std::vector<std::string> aboutKeys = {"name", "description", "defaultskin"};

    DiskFiles files;
    std::vector<std::string> unknown;
    auto check = [&](const std::string& relative,
                     std::initializer_list<const std::vector<std::string>*> known) {
        const auto lines = readDescriptionFile(files, Bin + programName(relative));
        if (!lines) return;
        for (const DescriptionLine& line : *lines) {
            const bool found =
                std::any_of(known.begin(), known.end(), [&](const std::vector<std::string>* keys) {
                    return std::find(keys->begin(), keys->end(), line.key) != keys->end();
                });
            if (!found) unknown.push_back(relative + ": " + line.key);
        }
    };
    check("default.ini", {&labelKeys, &aboutKeys});
    for (const std::string& skin : skins(Bin))
        check("skins/" + skin + "/skin.ini", {&skinKeys, &aboutKeys});
    for (int character = 0; character <= 12; ++character)
        check("Chars/" + characterNumber(static_cast<int16_t>(character)) + "/char.ini", {&characterKeys});
    EXPECT_TRUE(unknown.empty()) << "keys no reader uses:" << joined(unknown);
}

TEST_F(DefaultTreeTest, AfterStartEveryLoadedElementShowsItsPicture) {
    expectLoadedPictures(Bin);
}

// The checks above, on a tree whose content the test decides: they pass on a complete tree and
// name exactly what is wrong in a damaged one.
TEST(AssetCompletenessCheckTest, PassesOnACompleteTreeAndNamesEveryGap) {
    TestTree tree;
    tree.completeBaseTree("Default", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    tree.completeBaseTree("Plain", {});
    tree.completeBaseTree("Twin", {});
    for (int character = 0; character < 12; ++character)
        tree.text("Chars/" + characterNumber(static_cast<int16_t>(character)) + "/char.ini",
                  "walk = false\n");
    EXPECT_EQ(joined(assetProblems(tree.appDir())), "");
    expectLoadedPictures(tree.appDir());

    tree.remove("skins/Default/reset0.gif"); // a skin may leave its reset pictures to the shared ones
    tree.remove("skins/Plain/back.gif");
    tree.remove("Chars/12/unhp2.gif");
    tree.remove("Chars/04/char.ini");
    tree.garbage("other/null.ico");
    EXPECT_EQ(joined(assetProblems(tree.appDir())),
              joined({"undecodable: other/null.ico", "missing: skins/Plain/back.gif",
                      "missing: Chars/04/char.ini", "missing: Chars/12/unhp2.gif"}));
}

} // namespace
