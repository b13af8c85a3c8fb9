#pragma once
// Tool-button pictures drawn from a short text, so that every button has a
// picture of the usual 16 by 16 size without a picture file.

#include <QIcon>

#include <string>

QIcon TextGlyph(const std::string& text, int size = 16);
