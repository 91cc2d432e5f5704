#include "app/Form1.h"

void Form1::DoEndCurrentAction() {}

void Form1::DoHideIcon() {
    if (device.ShownIcon < 7) {
        device.IconTimeLeft = 0;
        elements.PipIcon[static_cast<std::size_t>(device.ShownIcon)].visible = false;
        device.SelectedIcon = 7;
        device.ShownIcon = 7;
    }
}

void Form1::DoResetCheatMenu() {
    for (int i = 0; i <= 12; ++i)
        menuItem("mCheatChar" + std::to_string(i)).checked = false;
    for (const char* item : {"mCheatAction0", "mCheatAction1", "mCheatAction2", "mCheatAction3", "mCheatAttention",
                             "mCheatAttention2"})
        menuItem(item).enabled = true;
}

void Form1::mCheatAttention_Click(int16_t) {}

void Form1::mCheatAction_Click(int16_t) {}
