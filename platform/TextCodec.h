#pragma once
// Bytes <-> Qt text, losslessly.
//
// Valid UTF-8 shows as text. Every other byte (and NUL) becomes one private
// character U+F700 + byte, which turns back into that byte. A valid sequence
// that itself encodes U+F700..U+F7FF is taken byte by byte too, so that the
// round trip bytes -> text -> bytes is exact for every input.

#include <QString>

#include <string>
#include <string_view>

QString BytesToQString(std::string_view bytes);
std::string QStringToBytes(const QString& text);
