// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Vocabulary.h"
#include "assets/LayoutState.h"
#include "device/DeviceState.h"
#include "device/ElementSet.h"
#include "pet/LifeJournal.h"
#include "pet/PetState.h"
#include "platform/Services.h"
#include "shell/CallNotices.h"
#include "shell/MenuItem.h"
#include "shell/Options.h"
#include "shell/WindowState.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Form2;
class Form3;
class Form4;
class Form5;
class LifeStory;

// The device window: the pet, its screen, its menu and every operation on them. Its state is
// plain data; the operations are defined in the folder of the area that owns them. It reaches the
// desktop only through the platform it is given.
class Form1 {
public:
    explicit Form1(Platform& platform);
    ~Form1();
    // The menu index points into this object's own menu tree.
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Platform& platform;
    PetState pet;
    DeviceState device;
    LayoutState layout;
    ElementSet elements;
    MenuItem menu;
    Options options;
    WindowState window;
    int timerInterval = 0;  // Timer1's period in ms; 0 = stopped
    std::string trayTip;    // the tip of the tray record, at most 63 characters
    PictureHandle trayIcon; // null: the window's own icon
    // What the store had to tell the user at start-up (a pet brought back from its backup): the
    // tray tip shows it in place of the status for the first NoticeSeconds of the run.
    std::string storeNotice;
    int noticeSince = 0; // second of the day at which the notice was first shown
    static constexpr int NoticeSeconds = 600;
    bool unloaded = false;
    LifeJournal journal;          // the pet's life as it happens (pet/LifeJournal.cpp)
    std::unique_ptr<Form5> sheet; // the insulating sheet's window while it is loaded
    // The skin and plug-in chooser while it is open (assets/Chooser.cpp).
    std::unique_ptr<Form3> chooser;
    // The button pictures of the skin and plug-in they were found for (assets/AssetLoading.cpp).
    struct ButtonPictures {
        bool found = false;
        std::string plugins, skin;
        PictureHandle released, pressed;
    } buttonPictures;

    // Hiding into the tray, the booklet and the about window (shell/Hiding.cpp,
    // shell/Instructions.cpp, shell/About.cpp).
    std::unique_ptr<Form4> booklet; // the instructions while they are open
    std::unique_ptr<Form2> about;   // the about window while it is open
    // The life chart and the hall of past pets while they are open (shell/LifeStory.cpp).
    std::unique_ptr<LifeStory> lifeStory;
    void mPopupLifeStory_Click();
    void closeLifeStory();
    int32_t TrayMessage = 0; // the mouse message of the last tray event
    bool TrayBusy = false;   // a tray event is being handled
    // The tray callback: X in twips is the tray's mouse message in pixels.
    void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    // A tray mouse message (515 left double-click, 517 right release, ...) as the tray sends it.
    void trayEvent(int32_t message);
    // The user brought the minimised toy back from the task bar.
    void windowRestoredByUser();
    // A second program started for this pet asks the toy to the front: a hidden toy comes back as
    // from the tray, a minimised one is restored.
    void bringToFront();
    // At start-up: a toy stored hidden starts shown where there is no tray to bring it back.
    void showIfNoTray();
    // The first 63 characters of a tip (the tray record's 64 with its NUL), never cut inside one.
    static std::string_view trayTipText(std::string_view tip);
    // Puts the toy to rest while the booklet or the about window is open, and wakes it after.
    void setToyEnabled(bool enabled);
    void closeBooklet();
    void closeAbout();

    // Desktop notifications and do-not-disturb (shell/Notifications.cpp).
    CallNotices notices;
    // A call has just started (or been raised again): a toy the user cannot see sends it to the
    // desktop as a notification.
    void callStarted(CallKind kind);
    // Withdraws the notifications of the calls that have ended; run after every tick.
    void watchCalls();
    // Sends the calls that already last, as if they had just started (a pet started hidden).
    void noticeLastingCalls();
    void withdrawNotices();
    // The user clicked the notification sent under key: the toy comes forward.
    void noticeClicked(int key);
    // Hidden, minimised, covered or behind a full-screen program, as far as the desktop tells.
    bool toyUnseen() const;
    // The desktop asks for quiet: the toy's sounds are held back.
    bool doNotDisturb() const;
    bool callLasts(CallKind kind) const;

    // Start-up and shut-down (app/Startup.cpp).
    void Form_Load(const std::string& commandLine);
    void Form_Unload();

    // Settings (pet/Settings.cpp).
    void DoLoadSettings();
    void DoSaveSettings();
    void DoFirstRunDefaults();

    // Main tick (pet/Tick.cpp).
    void Timer1_Timer();

    // Needs and events (pet/Needs.cpp, pet/Events.cpp).
    void DoMinuteNeeds();
    void DoEndCurrentAction();
    void DoHideIcon();
    void DoResetCheatMenu();
    // Every call for attention (hunger, unhappiness, discipline) ends: no flag, no icon, no time.
    void endCalls();
    // The Cheats menu's event items, which neither the egg, the dying pet nor the angel can have.
    void enableEventItems(bool enabled);
    // The Cheats menu of a sleeping pet: Sleep checked, and no call or event but waking it up.
    void showSleepInMenu(bool asleep);
    void DoShowIfAutoShow();

    // Growth (pet/Character.cpp, pet/Evolve.cpp).
    void DoSetCharacter(int16_t CharNo);
    void DoEvolve();

    // Pet animation (pet/Animate.cpp).
    void DoAnimate();
    // The reset button on the back (pet/AnimateReset.cpp).
    void ResetButton_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void ResetButton_MouseUp(int16_t Button, int16_t Shift, float X, float Y);

    // Screens (device/Screens.cpp).
    void DoMainScreen(bool flag);
    void DoShowTimerScreen(bool flag);
    void DoShowClock();
    // Leaves the clock screen for the main screen; false when the clock was not showing.
    bool closeClock();
    void DoUnhappyStep();
    void DoHappyStep();
    void DoNegativeStep();

    // Buttons and keyboard (device/Buttons.cpp).
    void ButtonA_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void ButtonA_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void ButtonB_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void ButtonB_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void ButtonC_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void ButtonC_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void Form_KeyDown(int16_t KeyCode, int16_t Shift);
    void Form_KeyUp(int16_t KeyCode, int16_t Shift);
    // The keys of the toy and of its sheet's window, which answer them alike; buttonsAct false:
    // the arrows only press and release the buttons, as on the sheet's window.
    void keyDown(int16_t KeyCode, bool buttonsAct);
    // Left, Down and Right press (down) or release one of the buttons A, B and C.
    void arrowKey(int16_t KeyCode, bool down, bool buttonsAct);
    void DoButtonA(bool PressedDown);
    void DoButtonB();
    void DoButtonC(bool PressedDown);
    void DoNextIcon();
    // The keyboard focus left the toy's windows: every button held by a key is released.
    void releaseHeldButtons();

    // Care screens and games (device/Care.cpp, device/Games.cpp).
    void DoIconAction(int16_t Button);
    void DoEatingStep();
    void DoStartGame();
    void DoGameStep();

    // Assets (assets/).
    // Loads one picture into an element or a hidden store: the plug-in's copy of the file first,
    // then the program folder's; a file that is missing or does not decode leaves the old picture.
    void DoLoadPicture(const std::string& PluginsStr, Element& PictureValue, const std::string& PicturePath,
                       const std::string& PictureFilename);
    void DoLoadPicture(const std::string& PluginsStr, PictureHandle& PictureValue,
                       const std::string& PicturePath, const std::string& PictureFilename);
    // Gives an element a custom pointer from a cursor file, looked up like a picture; the standard
    // arrow when no usable file is found.
    void DoLoadPointer(const std::string& PluginsStr, Element& PictureValue, const std::string& PicturePath,
                       const std::string& PictureFilename);
    void DoGetLayoutIni(const std::string& PluginsStr);
    // The current skin's folder as a relative folder name, "\skins\Default\".
    std::string skinFolder() const { return "\\skins\\" + pet.CurrentSkin + "\\"; }
    void DoGetPlugins(const std::string& PluginsStr);
    // The skin's picture of a released or pressed button, found once for each skin and plug-in
    // the loader puts on the toy, so a press does not search the disk again; null when the file
    // was not there then (the button keeps the picture it has).
    const PictureHandle& buttonPicture(bool pressed);
    // Finds both anew for the current skin and plug-in; every skin or plug-in change does.
    void findButtonPictures();
    void DoLoadCharacter();
    void DoGetCharacterIni(const std::string& PluginsStr);
    void DoSetCharacterName();
    void DoSetToolTip();

    // Desktop shell (shell/).
    // Plays FileName (a full path) as a wave file or, with Wave false, as the system beep; nothing
    // when SoundOn is false. Callers that must be heard with sound off pass SoundOn true.
    void DoPlaySound(const std::string& FileName, bool SoundOn, bool Wave);
    // Plays a program-relative sound ("\sounds\beep.wav") as the sound options say.
    void DoPlaySound(const std::string& SoundFile);
    void DoSetAlwaysOnTop(WindowState& target, bool OnTop);
    // Mouse on the device pictures: element is "FrontView", "BackView" or "ResetButton".
    void viewMouseDown(const std::string& element, int16_t Button, int16_t Shift, float X, float Y);
    void viewMouseMove(const std::string& element, int16_t Button, int16_t Shift, float X, float Y);
    void viewMouseUp(const std::string& element, int16_t Button, int16_t Shift, float X, float Y);
    void viewDblClick(const std::string& element);
    // Dragging and turning the toy (shell/View.cpp).
    void DoViewMouseDown(int16_t Button, float X, float Y);
    void DoViewMouseMove(int16_t Button, float X, float Y);
    void DoViewMouseUp(int16_t Button);
    void DoShowBack(bool SoundOn);
    void DoShowFront(bool SoundOn);
    // Brings a window that lies wholly outside the screen back onto it (shell/View.cpp).
    void keepOnScreen();
    // Menu click handlers. Items of later windows are empty members until those windows exist.
    void mCheatChar_Click(int16_t Index);
    void mCheatAttention_Click(int16_t Index);
    void mCheatAction_Click(int16_t Index);
    void mPopupStatus_Click();
    void mPopupSound_Click();
    void mPopupWave_Click();
    void mPopupBeep_Click();
    void mPopupSide_Click();
    void mPopupOnTop_Click();
    void mPopupAutoShow_Click();
    void mPopupNotifications_Click();
    void mPopupPlay0_Click();
    void mPopupPlay1_Click();
    void mPopupChangeSkin_Click();
    void mPopupPlugins_Click();
    void mPopupInstructions_Click();
    void mPopupAbout_Click();
    void mPopupInsulatingSheet_Click();
    void mPopupClose_Click();
    // Runs the click handler of a menu item; false when the item has none.
    bool menuClick(MenuId item);
    // The menu as the user sees it: the check marks and the Cheats menu show the options and the
    // side the toy faces.
    const MenuItem& presentedMenu();
    // Shows the pop-up menu at the mouse and runs the chosen item.
    void popupMenu();

    // Every field by its name, for scripts and the status dump.
    template <class Visitor> void forEachField(Visitor&& visit) {
        pet.forEachField(visit);
        device.forEachField(visit);
        layout.forEachField(visit);
    }

    // Convenience for the many "is the front showing" tests.
    bool frontShown() const { return !elements.BackView.visible; }
    // The pet's pictures may show: front view, no clock, light on.
    bool screenShowsPet() const { return frontShown() && !pet.TimerScreen && !pet.LightOff; }
    // The item of an id, found through an index built once: status texts ask for captions on
    // every tick.
    MenuItem& menuItem(MenuId item);
    // Absolute path of a program-relative name such as "\sounds\beep.wav".
    std::string appFile(const std::string& relative) const { return platform.appPath + relative; }

    // Sends the tray record with a new icon and tip, skipping the call when neither changed.
    void updateTray(const PictureHandle& icon, const std::string& tip);

private:
    void buildOutline();
    void sendTray(bool add);
    // The last step of DoLoadSettings (pet/Settings.cpp): a dying pet's display rebuilt.
    void rebuildDyingDisplay(bool showsPet);
    // Steps of Form_Load (app/Startup.cpp), in their order.
    void placeDevicePictures();
    void setFreshValues(const std::string& commandLine);
    void loadStoredPet();
    void drawLoadedPet();
    void setDarkPicture();
    void placeInsulatingSheet();
    std::vector<MenuItem*> menuIndex; // by id; the tree never changes shape after construction
    // Steps of DoAnimate (pet/Animate*.cpp). Those with an icon argument put the tray icon
    // they choose there.
    void animateEgg(bool frameDue);
    void animateAngel(bool frameDue, PictureHandle& icon);
    void animatePetFrame(PictureHandle& icon);
    void animateDying();
    void animateSleep(PictureHandle& icon);
    void animateDropping(PictureHandle& icon);
    void animateIdle();
    void showPetPicture(PictureHandle& icon);
    // Steps of DoSetCharacter (pet/Character.cpp): what the pet being replaced leaves behind,
    // the counters and pictures every stage starts from, then the stage's own values.
    void leaveReplacedPet(int16_t CharNo);
    void resetForStage(int16_t CharNo);
    void enterEgg();
    void enterBaby();
    void enterGrownStage(int16_t CharNo);
    void enterAngel();
    // Steps of DoMainScreen (device/Screens.cpp): the angel's and a game's screens, and the
    // normal screen drawn (with the pet's own screen or a care screen's) or cleared.
    void showAngelScreen(bool flag);
    bool showGameScreen(bool flag);
    void drawMainScreen();
    void drawPetScreen();
    void drawTimedScreen();
    void clearMainScreen();
};
