#pragma once
// The screen's font list: the names of the font families installed on the
// system, as the desktop reports them at the moment of asking.

#include <functional>
#include <string>
#include <vector>

std::vector<std::string> ScreenFonts();
// Tests put a list of their own in place; nullptr restores the system's.
void SetScreenFontsSource(std::function<std::vector<std::string>()> source);
