// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Element.h"

#include <array>
#include <string>

// Every shown element of the device and the hidden stores that only hold pictures.
struct ElementSet {
    // Shown elements.
    Element FrontView, BackView, ButtonA, ButtonB, ButtonC, ResetButton;
    std::array<Element, 2> ResetStatus;
    Element PipScr;
    std::array<Element, 7> PipIcon;
    Element AttendIcon, PipChar, Angel, Yr;
    std::array<Element, 2> AgeDigit;
    std::array<Element, 8> DungImage;
    Element Skull, SleepSign, Dark, Water, TempImage, MealSnack, FeedMenu, LightMenu, RightArrow, LeftArrow;
    std::array<Element, 4> Heart;
    std::array<Element, 4> Meter;
    std::array<Element, 14> SmallBar;
    std::array<Element, 2> WeightDigit, HourDigit, MinuteDigit, SecondDigit;
    Element Colon, AmOrPm, SecondIdx, PlayTitle, PlayResult, YourScore, PipScore, PipNumber, ResultNumber;
    Element ChangingScreen;

    // Source stores (never shown).
    std::array<PictureHandle, 10> LargeNumber, SmallNumber, SecondIndex;
    std::array<PictureHandle, 2> AmPm;
    std::array<PictureHandle, 8> TempChangingScreen, TempMeal, TempIcon;
    std::array<PictureHandle, 2> TempEat;
    std::array<PictureHandle, 4> TempChar, TempPlay, TempUnhappy;
    std::array<PictureHandle, 3> TempDark;
    std::array<PictureHandle, 2> TempSleep, TempSleepSign, TempDropping, TempDung, TempHappy, TempNegative,
        TempSick, Stars;
    // Tray icon pictures.
    PictureHandle SickIcon, AttentionIcon, NullIcon;
    std::array<PictureHandle, 2> DungIcon, SleepIcon, AngelIcon;

    // Visits the shown elements (name, index or -1 for a single element, element) bottom to top, the order in
    // which they are painted. Inside the screen the overlays come last: the dark overlay covers the pet, the
    // water covers the droppings, the change curtain covers everything. The face picture lies above the
    // screen and leaves the glass see-through, so its bezel frames whatever the screen shows; the back view
    // covers it all.
    template <class Visitor> void forEachShown(Visitor&& visit) {
        visit("PipScr", -1, PipScr);
        each("Meter", Meter, visit);
        visit("PlayTitle", -1, PlayTitle);
        visit("PlayResult", -1, PlayResult);
        each("DungImage", DungImage, visit);
        visit("PipChar", -1, PipChar);
        visit("Angel", -1, Angel);
        visit("Skull", -1, Skull);
        visit("SleepSign", -1, SleepSign);
        visit("Water", -1, Water);
        visit("MealSnack", -1, MealSnack);
        visit("TempImage", -1, TempImage);
        each("Heart", Heart, visit);
        each("SmallBar", SmallBar, visit);
        each("WeightDigit", WeightDigit, visit);
        each("AgeDigit", AgeDigit, visit);
        visit("Yr", -1, Yr);
        each("HourDigit", HourDigit, visit);
        visit("Colon", -1, Colon);
        each("MinuteDigit", MinuteDigit, visit);
        each("SecondDigit", SecondDigit, visit);
        visit("AmOrPm", -1, AmOrPm);
        visit("SecondIdx", -1, SecondIdx);
        visit("YourScore", -1, YourScore);
        visit("PipScore", -1, PipScore);
        visit("PipNumber", -1, PipNumber);
        visit("ResultNumber", -1, ResultNumber);
        visit("FeedMenu", -1, FeedMenu);
        visit("LightMenu", -1, LightMenu);
        visit("RightArrow", -1, RightArrow);
        visit("LeftArrow", -1, LeftArrow);
        visit("Dark", -1, Dark);
        each("PipIcon", PipIcon, visit);
        visit("AttendIcon", -1, AttendIcon);
        visit("ChangingScreen", -1, ChangingScreen);
        visit("FrontView", -1, FrontView);
        visit("ButtonA", -1, ButtonA);
        visit("ButtonB", -1, ButtonB);
        visit("ButtonC", -1, ButtonC);
        visit("BackView", -1, BackView);
        visit("ResetButton", -1, ResetButton);
        each("ResetStatus", ResetStatus, visit);
    }

    // The name the scripts use: "PipChar", or "DungImage(3)" for an array element.
    static std::string elementName(const char* name, int index);
    // Finds a shown element by that name; null if unknown.
    Element* find(const std::string& name);

    // The droppings on the screen are the first Dung elements; a count outside 0..8 (a
    // hand-edited store, a script) must never reach past the eight elements there are.
    static std::size_t droppingCount(int16_t dung);
    // Shows or hides the first dung droppings, those the count puts on the screen.
    void showDroppings(int16_t dung, bool visible);
    // Hides all eight, whatever the count.
    void hideAllDroppings();

private:
    template <std::size_t N, class Visitor>
    static void each(const char* name, std::array<Element, N>& elements, Visitor& visit) {
        for (std::size_t i = 0; i < N; ++i)
            visit(name, static_cast<int>(i), elements[i]);
    }
};
