// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/TestTree.h"

#include "assets/AssetTables.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cctype>

#include <fstream>

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

std::string TestTree::iconBytes(int width, int height, QColor colour, bool cursor) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ICO");
    if (cursor && bytes.size() > 2)
        bytes[2] = 2; // the file type word: 1 icon, 2 cursor; the layouts are otherwise the same
    return bytes.toStdString();
}

std::string TestTree::slotFolder(AssetFolder folder, const std::string& skin, int character) {
    switch (folder) {
    case AssetFolder::Other:
        return "other/";
    case AssetFolder::Skin:
        return "skins/" + skin + "/";
    case AssetFolder::Character:
        return "Chars/" + characterNumber(static_cast<int16_t>(character)) + "/";
    }
    return {};
}

TestTree::TestTree(bool copyTextTree) : folder(scratchFolder("pipling-tree")) {
    if (!copyTextTree) return;
    fs::copy(fs::path(PIPLING_TEST_DIR) / "tree", folder, fs::copy_options::recursive);
    // A skin's front view is the one picture the program cannot run without: every skin folder
    // of the text tree gets one, the size of the toy.
    for (const auto& skin : fs::directory_iterator(folder / "skins"))
        if (skin.is_directory())
            picture("skins/" + skin.path().filename().string() + "/front.gif", FrontWidth, FrontHeight);
}

TestTree::~TestTree() {
    std::error_code error;
    fs::remove_all(folder, error);
}

std::string TestTree::gifBytes(int width, int height, QColor colour) {
    std::string gif = "GIF89a";
    auto put = [&](std::initializer_list<int> bytes) {
        for (int byte : bytes)
            gif += static_cast<char>(byte & 0xFF);
    };
    // The screen's size and a global colour table of two entries: the colour, then white.
    put({width, width >> 8, height, height >> 8, 0x80, 0, 0});
    put({colour.red(), colour.green(), colour.blue(), 255, 255, 255});
    // One image the size of the screen, at its corner.
    put({',', 0, 0, 0, 0, width, width >> 8, height, height >> 8, 0});
    // Codes of three bits: a clear code (4) before every second pixel keeps the code table from
    // growing, so no compression logic is needed; 5 ends the data.
    put({2});
    std::string data;
    unsigned int bits = 0;
    int bitCount = 0;
    auto code = [&](unsigned int value) {
        bits |= value << bitCount;
        for (bitCount += 3; bitCount >= 8; bitCount -= 8, bits >>= 8)
            data += static_cast<char>(bits & 0xFF);
    };
    for (int pixel = 0; pixel < width * height; ++pixel) {
        if (pixel % 2 == 0) code(4);
        code(0);
    }
    code(5);
    if (bitCount > 0) data += static_cast<char>(bits & 0xFF);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        gif += static_cast<char>(block.size()) + block;
    }
    return gif + '\0' + ';';
}

void TestTree::picture(const std::string& relative, int width, int height, QColor colour) {
    const std::string extension = fs::path(relative).extension().string();
    const bool gif = extension == ".gif" || extension == ".GIF";
    const bool cursor = extension == ".cur" || extension == ".CUR";
    // A full tree holds hundreds of pictures; the default one is encoded once.
    if (width == 4 && height == 3 && colour == QColor(Qt::black)) {
        static const std::string defaults[] = {gifBytes(4, 3, Qt::black), iconBytes(4, 3, Qt::black, false),
                                               iconBytes(4, 3, Qt::black, true)};
        writeFile(folder / relative, defaults[gif ? 0 : cursor ? 2 : 1]);
        return;
    }
    writeFile(folder / relative,
              gif ? gifBytes(width, height, colour) : iconBytes(width, height, colour, cursor));
}

void TestTree::garbage(const std::string& relative) {
    // A GIF signature followed by bytes that make no image, NUL bytes included.
    static constexpr char bytes[] = "GIF89a\xff\xff\xff\xff not a picture \0\x01\x02";
    writeFile(folder / relative, std::string(bytes, sizeof bytes - 1));
}

void TestTree::text(const std::string& relative, const std::string& content) {
    writeFile(folder / relative, content);
}

void TestTree::remove(const std::string& relative) {
    fs::remove_all(folder / relative);
}

void TestTree::completeBaseTree(const std::string& skin, std::initializer_list<int> characters) {
    for (const AssetLoop& loop : builtInAssets())
        for (int index = 0; index < loop.count; ++index)
            for (const AssetSlot& slot : loop.entries)
                picture(slotFolder(slot.folder, skin, 0) + slot.fileName(index));
    for (int character : characters)
        for (const AssetLoop& loop : characterAssets(static_cast<int16_t>(character)))
            for (int index = 0; index < loop.count; ++index)
                for (const AssetSlot& slot : loop.entries)
                    picture(slotFolder(slot.folder, skin, character) + slot.fileName(index));
}

std::vector<std::filesystem::path> scriptFiles(const char* folder) {
    std::vector<std::filesystem::path> result;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(PIPLING_TEST_DIR) / folder))
        if (entry.path().extension() == ".sim") result.push_back(entry.path());
    std::sort(result.begin(), result.end());
    return result;
}

std::string scriptTestName(const testing::TestParamInfo<std::filesystem::path>& info) {
    std::string name = info.param.stem().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

std::string scriptAppDir(const std::filesystem::path& script, std::unique_ptr<TestTree>& tree) {
    std::ifstream in(script);
    std::string first;
    std::getline(in, first);
    if (first.rfind("#app tests/tree", 0) != 0) return PIPLING_BIN_DIR;
    // A copy, with the pictures a program folder cannot start without written at run time.
    tree = std::make_unique<TestTree>(true);
    return tree->appDir();
}
