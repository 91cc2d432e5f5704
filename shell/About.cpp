// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: its texts, the plug-in's presentation, the links and dragging.
#include "shell/About.h"

#include "app/Form1.h"

#include "PiplingVersion.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

std::string trimmed(const std::string& text) {
    const auto space = [](unsigned char c) { return std::isspace(c) != 0; };
    auto begin = std::find_if_not(text.begin(), text.end(), space);
    auto end = std::find_if_not(text.rbegin(), text.rend(), space).base();
    return begin < end ? std::string(begin, end) : std::string();
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

} // namespace

void Form1::mPopupAbout_Click() {
    if (about) {
        about->window.visible = true;
        return;
    }
    about = std::make_unique<Form2>(*this);
    about->Form_Load();
}

void Form1::closeAbout() {
    if (!about) return;
    about->Form_Unload();
    about.reset();
}

void Form2::Form_Load() {
    form.DoLoadPicture(form.pet.Plugins, AboutPicture, "\\other\\", "about.gif");
    AboutPicture.visible = true;
    Label1 = std::string("Pipling Simulator ") + PiplingVersion;
    Label2 = AboutText::Author;
    Email = AboutText::Email;
    Homepage = AboutText::Homepage;
    lblDescription = AboutText::Trademark;
    Text2 = AboutText::Terms;
    form.setToyEnabled(false);
    cmdOK = form.pet.OKButtonText;
    window.title = form.menuItem(MenuId::mPopupAbout).caption;
    window.width = Width;
    window.height = Height;
    window.left = (form.platform.desktop.screenWidth() - Width) / 2;
    window.top = (form.platform.desktop.screenHeight() - Height) / 2;
    window.visible = true;
    form.DoSetAlwaysOnTop(window, form.options.alwaysOnTop);
    presentPlugin(form.pet.Plugins);
}

void Form2::Form_Unload() {
    window.visible = false;
    dragging = false;
    form.setToyEnabled(true);
}

void Form2::presentPlugin(const std::string& PluginsStr) {
    if (PluginsStr.empty()) return;
    const auto lines =
        form.platform.files.readLines(form.appFile("\\plugins\\" + PluginsStr + "\\plugin.ini"));
    if (!lines) return;
    for (const std::string& raw : *lines) {
        const std::string line = trimmed(raw);
        if (line.empty() || line.front() == ';') continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = lowerCase(trimmed(line.substr(0, equals)));
        const std::string value = trimmed(line.substr(equals + 1));
        if (value.empty()) continue;
        if (key == "name")
            Frame1 = value;
        else if (key == "description")
            Text2 = value;
    }
}

void Form2::Email_MouseDown(int16_t) {
    EmailColor = Purple;
}

void Form2::Email_MouseUp(int16_t) {
    EmailColor = Navy;
    form.platform.desktop.openLink("mailto:" + Email);
}

void Form2::Homepage_MouseDown(int16_t) {
    HomepageColor = Purple;
}

void Form2::Homepage_MouseUp(int16_t) {
    HomepageColor = Navy;
    form.platform.desktop.openLink(Homepage);
}

void Form2::surfaceMouseDown(int16_t Button, float X, float Y) {
    if (Button != mouseButton::Left || dragging) return;
    grabX = X;
    grabY = Y;
    startLeft = window.left;
    startTop = window.top;
    dragging = true;
}

void Form2::surfaceMouseMove(int16_t Button, float X, float Y) {
    if (Button != mouseButton::Left || !dragging) return;
    window.left = static_cast<int>(std::nearbyint(window.left + (static_cast<double>(X) - grabX)));
    window.top = static_cast<int>(std::nearbyint(window.top + (static_cast<double>(Y) - grabY)));
    form.platform.desktop.processEvents();
}

void Form2::surfaceMouseUp(int16_t Button) {
    if (Button == mouseButton::Left) dragging = false;
}
