#pragma once

#include "assets/AssetTables.h"

#include <QColor>

#include <filesystem>
#include <initializer_list>
#include <string>

// A program folder for one test, in a fresh temporary folder: the text files of the small test
// tree in tests/assets (label, skin and character files) plus pictures written at run time, so
// the repository holds no binary files.
class TestTree {
public:
    // copyTextTree: start from tests/assets (true) or from an empty folder (false).
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

    // A minimal GIF of one colour, uncompressed LZW, for tests and fixtures.
    static std::string gifBytes(int width, int height, QColor colour);

private:
    std::filesystem::path folder;
};
