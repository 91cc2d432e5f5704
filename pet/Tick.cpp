#include "app/Form1.h"

// The main tick comes with the time-keeping work; until then the device stands still.
void Form1::Timer1_Timer() {}
