#include "app/Form1.h"

void Form1::ButtonA_MouseDown(int16_t, int16_t, float, float) {}
void Form1::ButtonA_MouseUp(int16_t, int16_t, float, float) {}
void Form1::ButtonB_MouseDown(int16_t, int16_t, float, float) {}
void Form1::ButtonB_MouseUp(int16_t, int16_t, float, float) {}
void Form1::ButtonC_MouseDown(int16_t, int16_t, float, float) {}
void Form1::ButtonC_MouseUp(int16_t, int16_t, float, float) {}
void Form1::Form_KeyDown(int16_t, int16_t) {}
void Form1::Form_KeyUp(int16_t, int16_t) {}
void Form1::DoButtonA(bool) {}
void Form1::DoButtonB() {}
void Form1::DoButtonC(bool) {}
void Form1::DoNextIcon() {}
