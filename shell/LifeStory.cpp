// SPDX-License-Identifier: GPL-3.0-or-later
// The life story window: opening it from the menu, turning its two pages, dragging and closing.
#include "shell/LifeStory.h"

#include "app/Form1.h"
#include "device/KeyCodes.h"

namespace {

constexpr int TwipsPerPagePixel = Element::TwipsPerPixel * LifeStory::Scale;

} // namespace

void Form1::mPopupLifeStory_Click() {
    if (lifeStory) {
        lifeStory->window.visible = true;
        return;
    }
    lifeStory = std::make_unique<LifeStory>(*this);
    lifeStory->Form_Load();
}

void Form1::closeLifeStory() {
    lifeStory.reset();
}

void LifeStory::Form_Load() {
    window.width = PageWidth * TwipsPerPagePixel;
    window.height = PageHeight * TwipsPerPagePixel;
    window.left = (form.platform.desktop.screenWidth() - window.width) / 2;
    window.top = (form.platform.desktop.screenHeight() - window.height) / 2;
    window.title = form.menuItem(MenuId::mPopupLifeStory).caption;
    // Captions of windows drop the menu's "..." and its access key.
    while (!window.title.empty() && window.title.back() == '.')
        window.title.pop_back();
    form.DoSetAlwaysOnTop(window, form.options.alwaysOnTop);
    window.visible = true;
}

void LifeStory::mouseDown(int16_t Button, float X, float Y) {
    if (Button != mouseButton::Left || dragging) return;
    const int x = static_cast<int>(X) / TwipsPerPagePixel, y = static_cast<int>(Y) / TwipsPerPagePixel;
    if (CloseBox.holds(x, y)) return form.closeLifeStory();
    if (ChartTab.holds(x, y)) page = Page::Chart;
    if (HallTab.holds(x, y)) page = Page::Hall;
    grabX = X;
    grabY = Y;
    startLeft = window.left;
    startTop = window.top;
    dragging = true;
}

void LifeStory::mouseMove(int16_t Button, float X, float Y) {
    if (Button != mouseButton::Left || !dragging) return;
    window.left += static_cast<int>(X - grabX);
    window.top += static_cast<int>(Y - grabY);
    form.platform.desktop.processEvents();
}

void LifeStory::mouseUp(int16_t Button, float, float) {
    if (Button == mouseButton::Left) dragging = false;
}

void LifeStory::keyDown(int16_t KeyCode) {
    if (KeyCode == KeyCode::Escape) return form.closeLifeStory();
    if (KeyCode == KeyCode::Left) page = Page::Chart;
    if (KeyCode == KeyCode::Right) page = Page::Hall;
}
