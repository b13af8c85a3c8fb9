#pragma once
// String helpers of the class library: byte strings, ASCII case rules.

#include <cstdint>
#include <string>
#include <string_view>

std::string UpperCase(std::string_view);
std::string LowerCase(std::string_view);
bool SameText(std::string_view, std::string_view);
std::string Trim(std::string_view);
std::string IntToStr(long long);
// Raises EConvertError with the class library's message on anything that is
// not a whole decimal number (optional sign, no blanks).
long long StrToInt(std::string_view);
long long StrToIntDef(std::string_view, long long fallback);

// Path pieces, with "/" as the separator.
std::string ExtractFilePath(std::string_view path);  // with trailing "/"
std::string ExtractFileDir(std::string_view path);   // without it
std::string ExtractFileName(std::string_view path);
std::string ExtractFileExt(std::string_view path);   // with the dot
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
std::string GetCurrentDir();
