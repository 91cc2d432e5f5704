#include "app/Form1.h"

void Form1::DoGetPlugins(const std::string&) {}
void Form1::DoLoadCharacter() {}
void Form1::DoGetCharacterIni(const std::string&) {}
void Form1::DoSetCharacterName() {}
void Form1::DoSetToolTip() {}
