#include "app/Form1.h"

void Form1::DoMinuteNeeds() {}

void Form1::DoShowIfAutoShow() {}
