#include "app/Form1.h"

void Form1::DoMainScreen(bool) {}
void Form1::DoShowTimerScreen(bool) {}
void Form1::DoShowClock() {}
void Form1::DoUnhappyStep() {}
void Form1::DoHappyStep() {}
void Form1::DoNegativeStep() {}
