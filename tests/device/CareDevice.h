#pragma once

#include "tests/Sim.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A device past its insulating sheet, without an asset tree, whose picture stores each hold a
// picture of their own, so that a test can tell which store an element was given. The layout
// values get distinct numbers for the same reason.
class CareDevice : public testing::Test {
protected:
    void SetUp() override {
        sim.run("store InsulatingSheet 0\nstart\nset CharacterNo 3\nset DelayValue 1");
        ElementSet& e = f().elements;
        fillStore(e.TempMeal, "TempMeal");
        fillStore(e.TempEat, "TempEat");
        fillStore(e.TempNegative, "TempNegative");
        fillStore(e.TempUnhappy, "TempUnhappy");
        fillStore(e.TempHappy, "TempHappy");
        fillStore(e.TempPlay, "TempPlay");
        fillStore(e.TempDark, "TempDark");
        fillStore(e.LargeNumber, "LargeNumber");
        LayoutState& at = f().layout;
        at.RArrowSelectMenuLeft = 100;
        at.RArrowSelectMenu0Top = 200;
        at.RArrowSelectMenu1Top = 300;
        at.MealSnackLeft = 400;
        at.MealSnack0Top = 500;
        at.MealSnack1Top = 600;
        at.EatLeft = 700;
        at.EatTop = 710;
        at.NoLeft = 800;
        at.NoTop = 810;
        at.HappyLeft = 900;
        at.HappyTop = 910;
        at.UnhappyLeft = 1000;
        at.UnhappyTop = 1010;
        at.PlayLeft = 1100;
        at.PlayTop = 1110;
        at.LArrowLeft = 1200;
        at.LArrowTop = 1210;
        at.RArrowLeft = 1300;
        at.RArrowTop = 1310;
        at.WaterLeft = 1400;
        at.WaterTop = 1410;
        sounds(); // forget the start-up's sounds
    }

    Form1& f() { return sim.form(); }
    PetState& pet() { return f().pet; }
    DeviceState& dev() { return f().device; }
    ElementSet& el() { return f().elements; }

    // The sounds asked for since the last call, as program-relative names.
    std::vector<std::string> sounds() {
        std::vector<std::string> names;
        for (const QJsonValue& v : sim.dump()["sounds"].toArray())
            names.push_back(v.toString().toStdString());
        return names;
    }
    // The same without the button beeps.
    std::vector<std::string> soundsButBeeps() {
        std::vector<std::string> names = sounds();
        std::erase(names, std::string("\\sounds\\beep.wav"));
        return names;
    }
    // Highlights an icon with button A, from no highlight.
    void highlight(int icon) {
        for (int i = 0; i <= icon; ++i)
            sim.run("press A");
        ASSERT_EQ(dev().SelectedIcon, icon);
    }
    // Opens the care screen of an icon: highlight, then B.
    void open(int icon) {
        highlight(icon);
        sim.run("press B");
    }

    Sim sim{Sim::noAssets()};
};
