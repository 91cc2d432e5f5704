// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Element.h"
#include "shell/WindowState.h"

#include <cstdint>
#include <string>

class Form1;

// The about window: a picture, the program's title and version, the author, two links, the
// terms of use and an OK button; with a plug-in active it also presents the plug-in (its name
// on the frame, its description in the text box). It disables the toy while it is open and is
// moved by dragging its surface. The texts are data; the view lays them out.
class Form2 {
public:
    explicit Form2(Form1& form) : form(form) {}

    static constexpr int Width = 6600;      // twips
    static constexpr int Height = 5700;     // twips
    static constexpr int Navy = 0x000080;   // a link at rest or after a click, 0xRRGGBB
    static constexpr int Purple = 0x800080; // a link while the mouse is pressed on it

    Form1& form;
    WindowState window;
    Element AboutPicture;
    std::string Label1;         // the title line with the version
    std::string Label2;         // the author line
    std::string Email;          // caption of the e-mail link
    std::string Homepage;       // caption of the home-page link
    std::string lblDescription; // the trademark notice
    std::string Frame1;         // the frame's title: the plug-in's name, else empty
    std::string Text2;          // the terms of use, or the plug-in's description
    std::string cmdOK;          // the OK button's caption
    int EmailColor = Navy;
    int HomepageColor = Navy;
    bool dragging = false;
    float grabX = 0; // twips inside the element that was pressed
    float grabY = 0;
    int startLeft = 0;
    int startTop = 0;

    void Form_Load();
    void Form_Unload();
    // Reads the plug-in's description file for its name and description.
    void presentPlugin(const std::string& PluginsStr);
    // The links: pressed purple, released navy and opened with the desktop's default handler.
    void Email_MouseDown(int16_t Button);
    void Email_MouseUp(int16_t Button);
    void Homepage_MouseDown(int16_t Button);
    void Homepage_MouseUp(int16_t Button);
    // Dragging by the window's surface or its frame, labels and picture; X, Y in twips relative
    // to the element pressed, which moves with the window.
    void surfaceMouseDown(int16_t Button, float X, float Y);
    void surfaceMouseMove(int16_t Button, float X, float Y);
    void surfaceMouseUp(int16_t Button);
};

// Our texts for the about window.
namespace AboutText {
inline constexpr const char* Author = "The Pipling Simulator team";
inline constexpr const char* Email = "pipling@example.org";
inline constexpr const char* Homepage = "https://example.org/pipling";
inline constexpr const char* Trademark =
    "Pipling Simulator is a toy of its own, not tied to any maker of handheld pets.";
inline constexpr const char* Terms =
    "Pipling Simulator is free software: you may run, copy, change and give it away, alone or with "
    "your own skins and plug-ins, as long as this notice goes with every copy. It comes with no "
    "warranty of any kind; look after your pet, not the other way round.";
} // namespace AboutText
