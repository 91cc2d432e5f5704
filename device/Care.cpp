#include "app/Form1.h"

void Form1::DoIconAction(int16_t) {}
void Form1::DoEatingStep() {}
