// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Element.h"
#include "platform/Picture.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class Form1;
class Files;
class PictureLoader;

// The pictures, icons and pointers the device loads, as data. The loaders walk these tables, and
// the completeness test walks the same tables to know which files the default tree must hold, so
// the two cannot disagree.

enum class AssetFolder {
    Other,     // "\other\"
    Skin,      // the current skin's folder
    Character, // the current character's folder
};

enum class AssetKind {
    Picture,    // into an element or a hidden store
    Pointer,    // an element's mouse pointer
    WindowIcon, // the main window's icon; read from the program folder only, never from a plug-in
};

using AssetTarget = std::variant<Element*, PictureHandle*>;

struct AssetSlot {
    AssetFolder folder;
    std::string_view stem;
    bool numbered; // the loop index follows the stem: "meter" + 2 + ".gif"
    std::string_view extension;
    AssetKind kind;
    AssetTarget (*target)(Form1& form, int index);
    // A second look that lets a skin replace shared pictures; the default tree need not have it.
    bool overrideOnly = false;

    std::string fileName(int index) const;
};

// Every slot runs once per index, index running upwards; within one index the entries load in order.
struct AssetLoop {
    int count;
    std::vector<AssetSlot> entries;
};

// What DoGetPlugins loads after the label file, in loading order.
const std::vector<AssetLoop>& builtInAssets();
// What DoLoadCharacter loads for a character: the egg has its own short list.
const std::vector<AssetLoop>& characterAssets(int16_t characterNo);

// "07": a character's number as its folder is named.
std::string characterNumber(int16_t characterNo);
// "\Chars\07\": the character's picture folder.
std::string characterFolder(int16_t characterNo);
// The relative folder of a slot for the form's current skin and character.
std::string assetFolderPath(const Form1& form, AssetFolder folder);

// What DoLoadPicture finds for a file: the first of the plug-in's and the program folder's copies
// that exists and decodes, or null. A copy that exists but does not decode is passed over like
// a missing one, so a damaged file in a plug-in falls back to the base picture instead of
// leaving a hole.
PictureHandle findAssetPicture(const Files& files, PictureLoader& pictures, const std::string& appPath,
                               const std::string& PluginsStr, const std::string& PicturePath,
                               const std::string& PictureFilename);

// Names that come from settings, folder listings or description files must stay inside the
// asset tree: a plug-in or skin name is one plain folder name, and a relative folder such as
// "\skins\Default\" has no empty, "." or ".." component.
bool isPlainName(std::string_view name);
bool isRelativeFolder(std::string_view path);
