// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the device's pictures, icons and pointers: a plug-in's own copy of a file
// first, then the program folder's.
#include "app/Form1.h"
#include "assets/AssetTables.h"

PictureHandle findAssetPicture(const Files& files, PictureLoader& pictures, const std::string& appPath,
                               const std::string& PluginsStr, const std::string& PicturePath,
                               const std::string& PictureFilename) {
    if (!isRelativeFolder(PicturePath) || !isPlainName(PictureFilename)) return nullptr;
    const std::string relative = PicturePath + PictureFilename;
    if (isPlainName(PluginsStr)) {
        const std::string inPlugin = appPath + "\\plugins\\" + PluginsStr + relative;
        if (files.exists(inPlugin))
            if (PictureHandle picture = pictures.load(inPlugin)) return picture;
    }
    const std::string inProgram = appPath + relative;
    if (files.exists(inProgram)) return pictures.load(inProgram);
    return nullptr;
}

namespace {

PictureHandle findPicture(Form1& form, const std::string& PluginsStr, const std::string& PicturePath,
                          const std::string& PictureFilename) {
    return findAssetPicture(form.platform.files, form.platform.pictures, form.platform.appPath, PluginsStr,
                            PicturePath, PictureFilename);
}

} // namespace

void Form1::DoLoadPicture(const std::string& PluginsStr, Element& PictureValue,
                          const std::string& PicturePath, const std::string& PictureFilename) {
    if (PictureHandle picture = findPicture(*this, PluginsStr, PicturePath, PictureFilename))
        PictureValue.setPicture(std::move(picture));
}

void Form1::DoLoadPicture(const std::string& PluginsStr, PictureHandle& PictureValue,
                          const std::string& PicturePath, const std::string& PictureFilename) {
    if (PictureHandle picture = findPicture(*this, PluginsStr, PicturePath, PictureFilename))
        PictureValue = std::move(picture);
}

void Form1::DoLoadPointer(const std::string& PluginsStr, Element& PictureValue,
                          const std::string& PicturePath, const std::string& PictureFilename) {
    // Null is the standard arrow.
    PictureValue.pointer = findPicture(*this, PluginsStr, PicturePath, PictureFilename);
}

namespace {

void loadSlot(Form1& form, const AssetSlot& slot, int index, const std::string& PluginsStr) {
    const AssetTarget target = slot.target(form, index);
    const std::string folder = assetFolderPath(form, slot.folder);
    const std::string file = slot.fileName(index);
    if (Element* const* element = std::get_if<Element*>(&target)) {
        if (!*element) return;
        if (slot.kind == AssetKind::Pointer)
            form.DoLoadPointer(PluginsStr, **element, folder, file);
        else
            form.DoLoadPicture(PluginsStr, **element, folder, file);
        return;
    }
    PictureHandle* store = std::get<PictureHandle*>(target);
    if (!store) return;
    if (slot.kind != AssetKind::WindowIcon) {
        form.DoLoadPicture(PluginsStr, *store, folder, file);
        return;
    }
    // The window icon belongs to the skin alone: a plug-in cannot bring one.
    PictureHandle icon;
    form.DoLoadPicture("", icon, folder, file);
    if (!icon) return;
    *store = icon;
    if (form.layout.StartingUp) form.updateTray(icon, "Loading, please wait...");
}

void loadTable(Form1& form, const std::vector<AssetLoop>& table, const std::string& PluginsStr) {
    for (const AssetLoop& loop : table)
        for (int index = 0; index < loop.count; ++index)
            for (const AssetSlot& slot : loop.entries)
                loadSlot(form, slot, index, PluginsStr);
}

} // namespace

void Form1::DoGetPlugins(const std::string& PluginsStr) {
    // The caller puts the pet's name back in the title when everything is loaded.
    window.title = PluginsStr.empty() ? "Loading images..." : "Loading plugin...";
    DoGetLayoutIni(PluginsStr);
    loadTable(*this, builtInAssets(), PluginsStr);
    elements.ResetButton.setPicture(elements.ResetStatus[0].picture);
    findButtonPictures();
}

void Form1::findButtonPictures() {
    // The pictures stay decoded while held here: a file deleted while its skin is in use goes on
    // showing until the next change, and a press never touches the disk.
    buttonPictures = {true, pet.Plugins, pet.CurrentSkin, nullptr, nullptr};
    DoLoadPicture(pet.Plugins, buttonPictures.released, skinFolder(), "button0.gif");
    DoLoadPicture(pet.Plugins, buttonPictures.pressed, skinFolder(), "button1.gif");
}

const PictureHandle& Form1::buttonPicture(bool pressed) {
    // A skin or plug-in name changed without a load (a plug-in's default skin named like the
    // plug-in the chooser opened with) is looked up as a press always did: for the names in force.
    if (!buttonPictures.found || buttonPictures.plugins != pet.Plugins ||
        buttonPictures.skin != pet.CurrentSkin)
        findButtonPictures();
    return pressed ? buttonPictures.pressed : buttonPictures.released;
}

void Form1::DoLoadCharacter() {
    loadTable(*this, characterAssets(pet.CharacterNo), pet.Plugins);
}
