#include "app/Form1.h"

void Form1::DoEvolve() {}
