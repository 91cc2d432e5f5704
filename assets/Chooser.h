// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/WindowState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Files;
class PictureLoader;
class Form1;

// The chooser: a small borderless window that lists the skins (`PluginsForm` false) or the
// plug-ins (true) by display name and applies the chosen one at once. Like the device, it is
// data: the view mirrors `window` and the controls below and hands clicks and drags to the
// handlers. `Form1` owns it while it is open; OK and Cancel close it, which destroys this object,
// so nothing may use it after those two handlers return.
class Form3 {
public:
    explicit Form3(Form1& form) : form(form) {}

    // Where the controls sit, in twips inside the window: the two title labels at the top, the
    // list, the description box and the two buttons below it.
    static constexpr int Width = 4200;
    static constexpr int Height = 4350;
    static constexpr int Margin = 150;
    static constexpr int LabelTop = 120, LabelHeight = 300;
    static constexpr int ListTop = 540, ListHeight = 1950;
    static constexpr int TextTop = 2610, TextHeight = 1050;
    static constexpr int ButtonTop = 3810, ButtonWidth = 1200, ButtonHeight = 390;

    Form1& form;
    WindowState window;
    std::vector<std::string> List1; // display names, sorted without regard to case
    std::vector<std::string> List2; // folder names in listing order ("<Default>" first for plug-ins)
    std::vector<std::string> List3; // display name, padding, "000" index into List2; sorted as List1
    int ListIndex = -1;             // the selected row of List1 and List3; -1 none
    int List2Index = -1;            // the selected entry of List2
    std::string Text1;              // the description of the selected entry
    std::string lblDescription;     // both title labels show the window title
    std::string Command1Caption;    // OK, the default button
    std::string Command2Caption;    // Cancel
    bool Command1Enabled = false;

    std::string OpenedWith;
    std::string ItemName;
    int16_t MaxNameLength = 0;
    int16_t SkinButtonALeft = 0, SkinButtonATop = 0, SkinButtonBLeft = 0, SkinButtonBTop = 0;
    int16_t SkinButtonCLeft = 0, SkinButtonCTop = 0, SkinResetLeft = 0, SkinResetTop = 0;
    std::string DefaultSkin;
    bool Dragging = false;
    float DragX = 0;
    float DragY = 0;

    void Form_Load();
    // Enables again what opening disabled; the owner drops the window afterwards.
    void Form_Unload();
    // A click on a row of List1 (from 0); rows outside the list are ignored.
    void List1_Click(int row);
    void List1_DblClick(int row);
    void Command1_Click(); // OK: applies the choice and closes
    void Command2_Click(); // Cancel: closes, changing nothing
    // Dragging by the window or its title labels: Button 1 left; X, Y in twips in the window.
    void DoFormMouseDown(int16_t Button, float X, float Y);
    void DoFormMouseMove(int16_t Button, float X, float Y);
    void DoFormMouseUp(int16_t Button);

    // The folder name of the selected entry, "" when the list is empty.
    std::string selectedFolder() const;

private:
    void DoGetItemName();
    void DoReadItemInfo(bool IsPlugin, const std::string& Item);
    void DoApplySkin(const std::string& SkinName);
    void DoApplyPlugin();
    // Selects row i of List1 and List3 and the List2 entry that List3's row leads to.
    void selectRow(int row);
    void setMenuEnabled(bool enabled);
    void close();
    std::string descriptionFile(bool IsPlugin, const std::string& Item) const;
};

// Whether the loader finds the skin's front view (through the plug-in, then the program folder,
// a copy that decodes): without it the toy would have no shell to show, drag or right-click.
bool skinHasShell(const Files& files, PictureLoader& pictures, const std::string& appPath,
                  const std::string& PluginsStr, const std::string& skinName);
// Why the program cannot start from this program folder: the "Default" skin, which
// every other skin falls back to, has no front view. Empty when it can.
std::optional<std::string> startupProblem(const Files& files, PictureLoader& pictures,
                                          const std::string& appPath);
