// SPDX-License-Identifier: GPL-3.0-or-later
// The instructions booklet: finding the pages, turning them, dragging the window by the page,
// and the toy put to rest while the booklet is open.
#include "shell/Instructions.h"

#include "app/Form1.h"
#include "device/KeyCodes.h"
#include "shell/Sheet.h"

#include <cmath>
#include <cstdio>

namespace {

std::string pageNumber(int page) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", page);
    return text;
}

} // namespace

// The booklet and the about window put the toy to rest while they are open: the toy takes no
// input, and the items that would open another window or change the toy's place are greyed.
void Form1::setToyEnabled(bool enabled) {
    window.enabled = enabled;
    for (MenuId item : {MenuId::mPopupStatus, MenuId::mPopupOnTop, MenuId::mCheats, MenuId::mPopupChangeSkin,
                        MenuId::mPopupPlugins, MenuId::mPopupInstructions, MenuId::mPopupAbout})
        menuItem(item).enabled = enabled;
    if (options.insulatingSheet) {
        if (sheet) sheet->window.enabled = enabled;
    } else {
        menuItem(MenuId::mPopupInsulatingSheet).enabled = enabled;
    }
}

void Form1::mPopupInstructions_Click() {
    if (booklet) {
        booklet->window.visible = true;
        return;
    }
    booklet = std::make_unique<Form4>(*this);
    // With no pages anywhere the booklet closes at once and nothing is seen.
    if (!booklet->Form_Load()) booklet.reset();
}

void Form1::closeBooklet() {
    if (!booklet) return;
    booklet->Form_Unload();
    booklet.reset();
}

std::string Form4::pageFile(int page) const {
    return PagePrefix + pageNumber(page) + ".gif";
}

bool Form4::pageExists(int page) const {
    return form.platform.files.exists(form.appFile(pageFile(page)));
}

void Form4::showPage() {
    Picture1.setPicture(form.platform.pictures.load(form.appFile(pageFile(CurrentPage))));
}

bool Form4::Form_Load() {
    CurrentPage = 1;
    const std::string& plugin = form.pet.Plugins;
    const std::string own = "\\instruct\\page";
    PagePrefix = "\\plugins\\" + plugin + own;
    if (plugin.empty() || !pageExists(1)) {
        PagePrefix = own;
        if (!pageExists(1)) return false;
    }
    form.DoLoadPointer(form.pet.Plugins, Picture1, "\\other\\", "instruct.cur");
    // The pages run from 1 up to the first number that is missing.
    PageCount = 1;
    while (pageExists(PageCount + 1))
        ++PageCount;
    form.DoPlaySound("\\sounds\\pageup.wav");
    Picture1.move(0, 0);
    Picture1.width = Width;
    Picture1.height = Height;
    Picture1.visible = true;
    showPage();
    window.width = Width;
    window.height = Height;
    window.left = (form.platform.desktop.screenWidth() - Width) / 2;
    window.top = (form.platform.desktop.screenHeight() - Height) / 2;
    window.visible = true;
    form.setToyEnabled(false);
    window.title = form.menuItem(MenuId::mPopupInstructions).caption;
    form.DoSetAlwaysOnTop(window, form.options.alwaysOnTop);
    PageDragging = false;
    return true;
}

void Form4::Form_Unload() {
    window.visible = false;
    PageDragging = false;
    form.setToyEnabled(true);
}

void Form4::DoNextPage() {
    CurrentPage = CurrentPage + 1 > PageCount ? 1 : CurrentPage + 1;
    if (pageExists(CurrentPage)) {
        form.DoPlaySound("\\sounds\\pageup.wav");
        showPage();
    } else {
        // A page that went away while the booklet was open: stay where we were.
        CurrentPage = CurrentPage == 1 ? PageCount : CurrentPage - 1;
    }
}

void Form4::DoPreviousPage() {
    CurrentPage = CurrentPage - 1 < 1 ? PageCount : CurrentPage - 1;
    if (pageExists(CurrentPage)) {
        form.DoPlaySound("\\sounds\\pagedown.wav");
        showPage();
    } else {
        CurrentPage = CurrentPage == PageCount ? 1 : CurrentPage + 1;
    }
}

void Form4::Form_KeyDown(int16_t KeyCode, int16_t) {
    switch (KeyCode) {
    case KeyCode::Down:
    case KeyCode::Enter:
    case KeyCode::PageDown:
    case KeyCode::Right:
        DoNextPage();
        break;
    case KeyCode::Up:
    case KeyCode::Left:
    case KeyCode::PageUp:
    case KeyCode::Backspace:
        DoPreviousPage();
        break;
    case KeyCode::Home:
        if (CurrentPage >= 2) {
            CurrentPage = 0;
            DoNextPage();
        }
        break;
    case KeyCode::End:
        if (CurrentPage < PageCount) {
            CurrentPage = static_cast<int16_t>(PageCount - 1);
            DoNextPage();
        }
        break;
    case KeyCode::Escape:
    case KeyCode::F1:
        form.closeBooklet(); // this object is gone now
        return;
    default:
        break;
    }
}

void Form4::Picture1_MouseDown(int16_t Button, int16_t, float X, float Y) {
    if (Button != mouseButton::Left || PageDragging) return;
    grabX = X;
    grabY = Y;
    startLeft = window.left;
    startTop = window.top;
    PageDragging = true;
}

void Form4::Picture1_MouseMove(int16_t Button, int16_t, float X, float Y) {
    if (Button != mouseButton::Left || !PageDragging) return;
    window.left = static_cast<int>(std::nearbyint(window.left + (static_cast<double>(X) - grabX)));
    window.top = static_cast<int>(std::nearbyint(window.top + (static_cast<double>(Y) - grabY)));
    form.platform.desktop.processEvents();
}

void Form4::Picture1_MouseUp(int16_t Button, int16_t, float, float) {
    if (Button == mouseButton::Left && PageDragging) {
        PageDragging = false;
        // A page that was clicked, not dragged, turns.
        if (window.left == startLeft && window.top == startTop) DoNextPage();
    } else if (Button == mouseButton::Right) {
        DoPreviousPage();
    }
}
