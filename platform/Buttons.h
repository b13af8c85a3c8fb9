#pragma once
// What the class library's picture buttons share: where the glyph sits
// beside the caption.

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
