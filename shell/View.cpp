#include "app/Form1.h"

void Form1::DoSetAlwaysOnTop(WindowState& target, bool OnTop) { target.topmost = OnTop; }

void Form1::viewMouseDown(const std::string&, int16_t, int16_t, float, float) {}
void Form1::viewMouseMove(const std::string&, int16_t, int16_t, float, float) {}
void Form1::viewMouseUp(const std::string&, int16_t, int16_t, float, float) {}
void Form1::viewDblClick(const std::string&) {}

void Form1::mPopupSide_Click() {}
