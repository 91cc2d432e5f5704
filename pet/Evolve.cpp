#include "app/Form1.h"

void Form1::DoEvolve() {}

void Form1::mCheatChar_Click(int16_t) {}
