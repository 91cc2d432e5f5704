// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "assets/Chooser.h"
#include "shell/Sheet.h"

#include <string_view>

void Form1::buildOutline() {
    using Shape = OutlineStep::Shape;
    using Combine = OutlineStep::Combine;
    window.outline = {
        {Shape::Ellipse, Combine::Or, 5, 30, 142, 220},
        {Shape::Ellipse, Combine::Or, 63, 24, 84, 40}, // the ring on top
        {Shape::Rectangle, Combine::Diff, 3, 120, 145, 220},
        {Shape::Ellipse, Combine::Or, 5, 60, 142, 194},
        {Shape::Ellipse, Combine::Diff, 70, 30, 78, 37}, // the hole of the ring
    };
}

void Form1::sendTray(bool add) {
    if (add)
        platform.tray.add(trayIcon, trayTip);
    else
        platform.tray.modify(trayIcon, trayTip);
}

namespace {

int secondOfDay(const TimeOfDay& time) {
    return (time.hour * 60 + time.minute) * 60 + time.second;
}

} // namespace

void Form1::updateTray(const PictureHandle& icon, const std::string& tip) {
    if (!storeNotice.empty()) {
        constexpr int Day = 24 * 60 * 60;
        const int shown = (secondOfDay(platform.clock.now()) - noticeSince + Day) % Day;
        if (shown >= NoticeSeconds) storeNotice.clear();
    }
    // Called every tick: compare in place, so an unchanged record costs no allocation.
    const std::string_view text = trayTipText(storeNotice.empty() ? tip : storeNotice);
    if (icon == trayIcon && text == trayTip) return;
    trayIcon = icon;
    trayTip.assign(text);
    sendTray(false);
}

void Form1::Form_Load(const std::string& commandLine) {
    layout.StartingUp = true;
    platform.desktop.setPointer(Pointer::Wait);
    trayIcon = nullptr;
    trayTip = trayTipText("Loading, please wait...");
    sendTray(true);
    buildOutline();
    placeDevicePictures();
    setFreshValues(commandLine);
    loadStoredPet();
    drawLoadedPet();
    if (options.hidden)
        window.visible = false;
    else
        platform.desktop.focusDevice();
    setDarkPicture();
    placeInsulatingSheet();
    if (options.hidden) menuItem(MenuId::mPopupInsulatingSheet).enabled = false;
    layout.StartingUp = false;
    // A call saved with the pet goes on where the user cannot see it.
    if (pet.InsulatingSheet != 1) noticeLastingCalls();
}

// The default places of the device's pictures, in twips; a skin moves them later.
void Form1::placeDevicePictures() {
    auto& e = elements;
    e.FrontView.move(0, 15);
    e.BackView.move(0, 30);
    e.ButtonA.move(600, 2055);
    e.ButtonB.move(930, 2130);
    e.ButtonC.move(1260, 2055);
    e.ResetButton.move(270, 976);
}

// The pet's name, the chance seeded from the clock, the window's size and the fields that every
// run starts from, before the store is read.
void Form1::setFreshValues(const std::string& commandLine) {
    pet.PiplingName = commandLine.empty() ? std::string("Pipling") : commandLine;
    const TimeOfDay now = platform.clock.now();
    platform.chance.reseed(now.second);
    window.height = 2970;
    window.width = 2175;

    pet.CheatCode.clear();
    pet.TimerInterval = 10;
    pet.LastSecond = static_cast<int16_t>(now.second);
    pet.DungFrameCount = 0;
    device.EatingAction = device.FlushAction = device.UnhappyAction = device.HappyAction =
        device.NegativeAction = false;
    pet.SleepAction = pet.AttentionSleep = false;
    pet.ChangeStep = 0;
    pet.DroppingAction = false;
    device.ActionStep = device.ActionFrameCount = 0;
    pet.MinutesPerHour = 10;
    pet.DyingTimeLeft = 480;
    pet.ScreenTimeLeft = 0;
    device.MeterPage = -1;
    pet.ButtonAPressed = pet.ButtonBPressed = pet.ButtonCPressed = false;
    device.SelectedIcon = menuIcon::None;
    device.ShownIcon = menuIcon::None;
    device.IconTimeLeft = 0;
    pet.OKButtonText = "&OK";
    pet.CancelButtonText = "&Cancel";
}

void Form1::loadStoredPet() {
    DoLoadSettings();
    // A pet the store brought back from its backup may be an hour older than the user left it;
    // the tray tip says so where the user looks for the pet.
    storeNotice = platform.settings.takeNotice();
    if (!storeNotice.empty()) {
        noticeSince = secondOfDay(platform.clock.now());
        trayTip = trayTipText(storeNotice);
        sendTray(false);
    }
    journal.open(*this);
    showIfNoTray();
}

// The skin's, the plug-in's and the character's pictures, and the pet's main screen and name.
void Form1::drawLoadedPet() {
    auto& e = elements;
    e.PipChar.visible = false;
    DoGetPlugins("");
    DoLoadCharacter();
    if (!pet.Plugins.empty()) {
        DoGetPlugins(pet.Plugins);
        DoLoadCharacter();
    }

    pet.TimerScreen = false;
    window.title = pet.PiplingName;
    DoMainScreen(true);
    e.FrontView.toolTip = pet.PiplingName;
    e.BackView.toolTip = pet.PiplingName;
    platform.desktop.setPointer(Pointer::Default);

    DoSetCharacterName();
    menuItem(MenuId::mCharacterName).caption = pet.CharacterName;
}

void Form1::setDarkPicture() {
    auto& e = elements;
    if (pet.SleepAction) {
        e.Dark.setPicture(e.TempDark[0]);
        // The sleeping pet is drawn at once in its first sleep frame, as falling asleep draws it,
        // not only when its first frame falls due. A dying pet keeps its dying picture.
        if (pet.DyingAction == 0) {
            e.PipChar.move(layout.SleepLeft, layout.SleepTop);
            e.PipChar.setPicture(e.TempSleep[0]);
            e.SleepSign.setPicture(e.TempSleepSign[0]);
        }
        showSleepInMenu(true);
    } else {
        e.Dark.setPicture(e.TempDark[2]);
    }
    pet.DarkWidth = static_cast<int16_t>(e.Dark.width);
}

// A sheet pulled out starts the tick (and reopens the sheet's window when it is still beside the
// toy); a sheet still in shows it and leaves the toy off until it is pulled.
void Form1::placeInsulatingSheet() {
    if (pet.InsulatingSheet != 1) {
        pet.SendInsulatingSheetToBack = false;
        timerInterval = pet.TimerInterval;
        if (pet.InsulatingSheet == 2) menuClick(MenuId::mPopupInsulatingSheet);
        return;
    }
    pet.SendInsulatingSheetToBack = true;
    DoMainScreen(false);
    menuClick(MenuId::mPopupInsulatingSheet);
    menuItem(MenuId::mCharacterName).caption = pet.PiplingName;
    trayIcon = nullptr;
    trayTip = trayTipText(storeNotice.empty() ? pet.PiplingName : storeNotice);
    sendTray(false);
    options.insulatingSheet = true;
    menuItem(MenuId::mPopupInsulatingSheet).enabled = false;
}

void Form1::Form_Unload() {
    if (unloaded) return;
    // Every secondary window goes with the device: a chooser left open would apply a skin to a
    // device that no longer runs. The sheet's window closes after the save, so the stored sheet
    // state is the one the user left.
    closeBooklet();
    closeAbout();
    closeLifeStory();
    if (chooser) chooser->Command2_Click(); // as Cancel: nothing is applied
    DoSaveSettings();
    withdrawNotices();
    if (sheet) {
        sheet->Form_Unload();
        sheet.reset();
    }
    platform.tray.remove();
    timerInterval = 0;
    unloaded = true;
}
