#include "app/Form1.h"

void Form1::DoStartGame() {}
void Form1::DoGameStep() {}
