#pragma once
// The settings helpers of the dock and bar components: one per-user key per
// application, HKEY_CURRENT_USER "Software\Brelwick\<title>\", with sections
// below it (a bar keeps its state in "ToolBar\<caption>"). Every value is a
// string; each call opens the key, reads or writes one value and closes it.
// Reads never fail: a missing key, section or value, or text that is not a
// number, gives the default. Write failures are ignored.

#include <string>

// "Software\Brelwick\<title>\": built on the first use of a helper (and again
// when the application's title changes), when the hint colour is set as well.
std::string AppSettingsKey();

bool ReadRegBool(const std::string& section, const std::string& name, bool def);
int ReadRegInteger(const std::string& section, const std::string& name, int def);
std::string ReadRegString(const std::string& section, const std::string& name, const std::string& def);
void WriteRegBool(const std::string& section, const std::string& name, bool value);
void WriteRegInteger(const std::string& section, const std::string& name, int value);
void WriteRegString(const std::string& section, const std::string& name, const std::string& value);

// Decimal with an optional sign, or hexadecimal after "0x"/"0X" when longer
// than two characters; anything else gives the default.
int StoredInteger(const std::string& text, int def);
