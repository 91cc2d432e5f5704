// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the user sets in the pop-up menu. The menu's check marks show these values whenever the
// menu is presented (Form1::presentedMenu); every reader takes the value here at the moment it
// needs it. The settings store keeps all but the insulating sheet and the Cheats menu.
struct Options {
    bool sound = true;            // "Sound On"
    bool wave = true;             // "Wave"; false: "Beep"
    bool alwaysOnTop = true;      // "Always On Top"
    bool autoShow = false;        // "Auto Show"
    bool notifications = true;    // "Notifications": calls of an unseen toy go to the desktop
    bool gameB = false;           // "Game B"; false: "Game A"
    bool hidden = false;          // "Hide": the toy sits in the tray
    bool insulatingSheet = false; // "Insulating Sheet": the sheet is back beside the toy
    bool cheatsShown = false;     // the Cheats submenu, shown by the typed key sequence
};
