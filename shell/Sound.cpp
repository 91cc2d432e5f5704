#include "app/Form1.h"

void Form1::DoPlaySound(const std::string&) {}
