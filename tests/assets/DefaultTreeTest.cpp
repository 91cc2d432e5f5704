// SPDX-License-Identifier: GPL-3.0-or-later
// The default asset tree that the build writes next to the programs, as the device loads it:
// every shown element the loading tables fill gets a picture from a file that may feed it.
// pipling-sim --check (CheckerTest) holds the tree's files and keys to the same tables.
#include "assets/AssetTables.h"
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

TEST(DefaultTreeTest, AfterStartEveryLoadedElementShowsItsPicture) {
    const std::string appDir = PIPLING_BIN_DIR;
    if (!std::filesystem::exists(std::filesystem::path(appDir) / "default.ini"))
        GTEST_SKIP() << "no default asset tree in " << appDir << " (built with PIPLING_ASSETS=OFF?)";
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

} // namespace
