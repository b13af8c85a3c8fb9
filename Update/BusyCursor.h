#pragma once
// The updater's busy cursor, an animated cursor file carried in the program
// as the window keeps it: load it with TAniFile::ReadData.

#include <string_view>

std::string_view BusyCursorData();
