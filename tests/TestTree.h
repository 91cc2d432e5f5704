// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/AssetTables.h"
#include "tests/Sim.h"

#include <QColor>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// A program folder for one test, in a fresh temporary folder: the text files of the small test
// tree in tests/tree (label, skin and character files) plus pictures written at run time, so
// the repository holds no binary files.
class TestTree {
public:
    // The size of the front views written for the text tree's skins, pixels.
    static constexpr int FrontWidth = 145, FrontHeight = 198;
    // copyTextTree: start from tests/tree (true), with a front view for each of its skins, or
    // from an empty folder (false).
    explicit TestTree(bool copyTextTree = true);
    ~TestTree();
    TestTree(const TestTree&) = delete;
    TestTree& operator=(const TestTree&) = delete;

    const std::filesystem::path& root() const { return folder; }
    std::string appDir() const { return folder.string(); }

    // Writes a picture at a relative path ("other/heart.gif"); the extension picks the format:
    // ".gif" a real GIF, ".ico" an icon, ".cur" a cursor. Every picture is filled with one colour.
    void picture(const std::string& relative, int width = 4, int height = 3, QColor colour = Qt::black);
    // Writes bytes that no picture decoder accepts.
    void garbage(const std::string& relative);
    void text(const std::string& relative, const std::string& content);
    void remove(const std::string& relative);

    // Every picture the device loads for the base program and for the given characters, as the
    // loading tables name them, for the given skin folder name.
    void completeBaseTree(const std::string& skin = "Default", std::initializer_list<int> characters = {0});

    // The folder of a loading-table slot, relative with "/" separators, for a skin and a character.
    static std::string slotFolder(AssetFolder folder, const std::string& skin, int character);

    // A minimal GIF of one colour, uncompressed LZW, for tests and fixtures; an icon or cursor.
    static std::string gifBytes(int width, int height, QColor colour);
    static std::string iconBytes(int width, int height, QColor colour, bool cursor = false);

private:
    std::filesystem::path folder;
};

// A device on a test tree of its own, started as a pet that has run before (sheet pulled out);
// setup lines ("store Plugins Lang\n") run before the start, so a stored plug-in loads as the
// program loads it.
class TreeDevice : public testing::Test {
protected:
    Sim& start(const std::string& setup = "") {
        sim = std::make_unique<Sim>(tree.appDir());
        sim->run("store InsulatingSheet 0\n" + setup + "start");
        return *sim;
    }
    // The path of a picture relative to the program folder, "/" separators, lower case; "" for none.
    std::string at(const PictureHandle& picture) const {
        if (!picture) return "";
        std::string path = picture->path().substr(tree.appDir().size());
        std::replace(path.begin(), path.end(), '\\', '/');
        std::transform(path.begin(), path.end(), path.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return path;
    }
    std::string at(const Element& element) const { return at(element.picture); }
    Form1& form() { return sim->form(); }
    ElementSet& e() { return sim->form().elements; }

    TestTree tree;
    std::unique_ptr<Sim> sim;
};

// The scripts of a folder under tests/ ("scenarios", "lives"), in name order, as test parameters.
std::vector<std::filesystem::path> scriptFiles(const char* folder);
std::string scriptTestName(const testing::TestParamInfo<std::filesystem::path>& info);
// The program folder a script runs on: the generated one, or, when its first line is
// "#app tests/tree", a copy of the small test tree that `tree` keeps alive.
std::string scriptAppDir(const std::filesystem::path& script, std::unique_ptr<TestTree>& tree);
