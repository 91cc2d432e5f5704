// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser window: opening it from the menu, listing the skins or plug-ins, selecting a row,
// dragging the window, and closing it again.
#include "assets/Chooser.h"

#include "app/Form1.h"
#include "assets/AssetTables.h"
#include "assets/DescriptionFile.h"
#include "shell/Sheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

// The menu items that would conflict with a choice in progress; the sheet's item is handled on
// its own because the open sheet window stands in for it.
constexpr MenuId ConflictingItems[] = {
    MenuId::mPopupStatus,  MenuId::mPopupOnTop,        MenuId::mCheats,    MenuId::mPopupChangeSkin,
    MenuId::mPopupPlugins, MenuId::mPopupInstructions, MenuId::mPopupAbout};

// Case-blind order, as the sorted list boxes keep it; equal names keep the order they were
// added in.
bool sortsBefore(const std::string& a, const std::string& b) {
    return lowerAscii(a) < lowerAscii(b);
}

std::string threeDigits(std::size_t index) {
    char text[8];
    std::snprintf(text, sizeof text, "%03zu", index);
    return text;
}

} // namespace

void Form1::mPopupChangeSkin_Click() {
    if (chooser) return;
    pet.PluginsForm = false;
    chooser = std::make_unique<Form3>(*this);
    chooser->Form_Load();
}

void Form1::mPopupPlugins_Click() {
    if (chooser) return;
    pet.PluginsForm = true;
    chooser = std::make_unique<Form3>(*this);
    chooser->Form_Load();
}

void Form3::setMenuEnabled(bool enabled) {
    form.window.enabled = enabled;
    for (MenuId item : ConflictingItems)
        form.menuItem(item).enabled = enabled;
    if (form.options.insulatingSheet) {
        if (form.sheet) form.sheet->window.enabled = enabled;
    } else {
        form.menuItem(MenuId::mPopupInsulatingSheet).enabled = enabled;
    }
}

void Form3::Form_Load() {
    Platform& platform = form.platform;
    PetState& pet = form.pet;
    platform.desktop.setPointer(Pointer::Wait);
    Command1Caption = pet.OKButtonText;
    Command2Caption = pet.CancelButtonText;
    setMenuEnabled(false);

    window.width = Width;
    window.height = Height;
    window.left = (platform.desktop.screenWidth() - window.width) / 2;
    window.top = (platform.desktop.screenHeight() - window.height) / 2;
    form.DoSetAlwaysOnTop(window, form.options.alwaysOnTop);

    List1.clear();
    List2.clear();
    List3.clear();
    MaxNameLength = 0;
    std::string folder;
    if (!pet.PluginsForm) {
        window.title = form.menuItem(MenuId::mPopupChangeSkin).caption;
        OpenedWith = pet.CurrentSkin;
        folder = "\\skins\\";
    } else {
        window.title = form.menuItem(MenuId::mPopupPlugins).caption;
        OpenedWith = pet.Plugins;
        folder = "\\plugins\\";
        List2.emplace_back("<Default>");
    }
    lblDescription = window.title;
    // Plain files are listed as well as folders, as authors and old stores may rely on.
    for (const std::string& name : platform.files.listFolder(form.appFile(folder)))
        if (name != "." && name != "..") List2.push_back(name);

    if (!List2.empty()) {
        Command1Enabled = true;
        for (List2Index = 0; List2Index < static_cast<int>(List2.size()); ++List2Index) {
            DoGetItemName();
            MaxNameLength = std::max(MaxNameLength, static_cast<int16_t>(ItemName.size()));
        }
        // Both lists are put in order by the display name alone, once: sorting List3's padded
        // rows on their own would put a name holding a tab or another character below the space
        // before a shorter name it begins with, and a row would lead to another entry's folder.
        std::vector<std::pair<std::string, std::size_t>> entries;
        for (List2Index = 0; List2Index < static_cast<int>(List2.size()); ++List2Index) {
            DoGetItemName();
            entries.emplace_back(ItemName, static_cast<std::size_t>(List2Index));
        }
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return sortsBefore(a.first, b.first); });
        for (const auto& [name, index] : entries) {
            List1.push_back(name);
            List3.push_back(name + std::string(static_cast<std::size_t>(MaxNameLength) - name.size(), ' ') +
                            threeDigits(index));
        }
        // From the bottom up, so row 0 stays selected when nothing matches.
        const std::string current = lowerAscii(pet.PluginsForm ? pet.Plugins : pet.CurrentSkin);
        for (int row = static_cast<int>(List1.size()) - 1; row >= 0; --row) {
            selectRow(row);
            if (lowerAscii(selectedFolder()) == current) break;
        }
    }
    DoReadItemInfo(pet.PluginsForm, selectedFolder());
    platform.desktop.setPointer(Pointer::Default);
    Dragging = false;
    window.visible = true;
}

void Form3::selectRow(int row) {
    ListIndex = row;
    const std::string& mapped = List3[static_cast<std::size_t>(row)];
    List2Index = std::stoi(mapped.substr(static_cast<std::size_t>(MaxNameLength)));
}

std::string Form3::selectedFolder() const {
    if (List2Index < 0 || List2Index >= static_cast<int>(List2.size())) return {};
    return List2[static_cast<std::size_t>(List2Index)];
}

void Form3::List1_Click(int row) {
    if (row < 0 || row >= static_cast<int>(List1.size())) return;
    selectRow(row);
    DoReadItemInfo(form.pet.PluginsForm, selectedFolder());
}

void Form3::List1_DblClick(int row) {
    if (row < 0 || row >= static_cast<int>(List1.size())) return;
    List1_Click(row);
    Command1_Click();
}

void Form3::Command2_Click() {
    close();
}

void Form3::close() {
    Form_Unload();
    // Destroys this window: the caller returns at once.
    form.chooser.reset();
}

void Form3::Form_Unload() {
    setMenuEnabled(true);
    window.visible = false;
    Dragging = false;
}

void Form3::DoFormMouseDown(int16_t Button, float X, float Y) {
    if (Button != mouseButton::Left) return;
    Dragging = true;
    DragX = X;
    DragY = Y;
}

void Form3::DoFormMouseMove(int16_t Button, float X, float Y) {
    if (Button != mouseButton::Left || !Dragging) return;
    window.left += static_cast<int>(X - DragX);
    window.top += static_cast<int>(Y - DragY);
    form.platform.desktop.processEvents();
}

void Form3::DoFormMouseUp(int16_t Button) {
    if (Button == mouseButton::Left) Dragging = false;
}

std::string Form3::descriptionFile(bool IsPlugin, const std::string& Item) const {
    if (!isPlainName(Item)) return {};
    if (!IsPlugin) return form.appFile("\\skins\\" + Item + "\\skin.ini");
    if (lowerAscii(Item) == "<default>") return form.appFile("\\default.ini");
    return form.appFile("\\plugins\\" + Item + "\\plugin.ini");
}

void Form3::DoGetItemName() {
    ItemName = selectedFolder();
    const std::string file = descriptionFile(form.pet.PluginsForm, ItemName);
    if (file.empty() || !form.platform.files.exists(file)) return;
    const auto lines = readDescriptionFile(form.platform.files, file);
    if (!lines) return;
    for (const DescriptionLine& line : *lines)
        if (line.key == "name" && !line.value.empty()) {
            // The list pads every name to the longest, which a 16-bit length must hold.
            ItemName = line.value.substr(0, INT16_MAX);
            return;
        }
}
