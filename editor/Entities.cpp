#include "editor/Entities.h"

// Less than is the first button made; the others follow in layout order.
const EntityRow kEntityRows[84] = {
    // Symbols.
    { 30, "Copyright", "&copy;", "", true },
    { 31, "Registered trademark", "&reg;", "", true },
    { 32, "Trademark", "&trade;", "", true },
    { 33, "Superscript 1", "&#185;", "", true },
    { 34, "Superscript 2", "&#178;", "", true },
    { 35, "Superscript 3", "&#179;", "", true },
    { 36, "Left angle quote", "&#171;", "", true },
    { 37, "Right angle quote", "&#187;", "", true },
    { 38, "Ampersand", "&amp;", "&&", true },
    { 39, "Paragraph", "&#182;", "", true },
    { 40, "Em dash", "&emdash;", "", true },
    { 41, "One half", "&#189;", "", true },
    { 42, "One fourth", "&#188;", "", true },
    { 43, "Three fourths", "&#190;", "", true },
    { 29, "Less than", "&lt;", "<", true },
    { 44, "Greater than", "&gt;", ">", true },
    { 45, "Soft hypen", "&shy;", "-", true },
    { 46, "Non-breaking space", "&nbsp;", "_", true },
    { 47, "En dash", "&endash;", "-", true },
    { 48, "Em space", "&emsp;", "_", false },
    { 49, "Quote", "&quot;", "\"", true },
    { 50, "Middle dot", "&#183;", "", true },
    { 51, "En space", "&ensp;", "_", true },
    // Small letters.
    { 52, "a acute accent", "&aacute;", "", true },
    { 53, "a cirumflex", "&acirc;", "", true },
    { 54, "ae ligature", "&aelig;", "", true },
    { 55, "a grave accent", "&agrave;", "", true },
    { 56, "a ring", "&aring;", "", true },
    { 57, "a tilde", "&atilde;", "", true },
    { 58, "a umlaut", "&auml;", "", true },
    { 59, "c cedilla", "&ccedil;", "", true },
    { 60, "e acute accent", "&eacute;", "", true },
    { 61, "e circumflex", "&ecirc;", "", true },
    { 62, "e grave accent", "&egrave;", "", true },
    { 63, "eth", "&eth;", "", true },
    { 64, "e umlaut", "&euml;", "", true },
    { 65, "i acute accent", "&iacute;", "", true },
    { 66, "i cirumflex", "&icirc;", "", true },
    { 67, "i grave accent", "&igrave;", "", true },
    { 68, "i umlaut", "&iuml;", "", true },
    { 69, "n tilde", "&ntilde;", "", true },
    { 70, "o acute accent", "&oacute;", "", true },
    { 71, "o circumflex", "&ocirc;", "", true },
    { 72, "o grave accent", "&ograve;", "", true },
    { 73, "o slash", "&oslash;", "", true },
    { 74, "o tilde", "&otilde;", "", false },
    { 75, "o umlaut", "&ouml;", "", true },
    { 76, "Sz ligature", "&szlig;", "", true },
    { 77, "Thorn", "&thorn;", "", true },
    { 78, "u acute accent", "&uacute;", "", true },
    { 79, "u circumflex", "&ucirc;", "", true },
    { 80, "u grave accent", "&ugrave;", "", true },
    { 81, "u umlaut", "&uuml;", "", true },
    { 82, "y acute accent", "&yacute;", "", false },
    { 83, "y umlaut", "&yuml;", "", true },
    // Capitals.
    { 84, "A acute accent", "&Aacute;", "", true },
    { 85, "A circumflex", "&Acirc;", "", true },
    { 86, "AE ligature", "&AElig;", "", true },
    { 87, "A grave accent", "&Agrave;", "", true },
    { 88, "A ring", "&Aring;", "", true },
    { 89, "A tilde", "&Atilde;", "", true },
    { 90, "A umlaut", "&Auml;", "", true },
    { 91, "C cedilla", "&Ccedil;", "", true },
    { 92, "E acute accent", "&Eacute;", "", true },
    { 93, "E curcumflex", "&Ecirc;", "", true },
    { 94, "E grave accent", "&Egrave;", "", true },
    { 95, "E umlaut", "&Euml;", "", true },
    { 96, "I acute accent", "&Iacute;", "", true },
    { 97, "I circumflex", "&Icirc;", "", true },
    { 98, "I grave accent", "&Igrave;", "", true },
    { 99, "I umlaut", "&Iuml;", "", true },
    { 100, "N tilde", "&Ntilde;", "", true },
    { 101, "O acute accent", "&Oacute;", "", true },
    { 102, "O circumflex", "&Ocirc;", "", true },
    { 103, "O grave accent", "&Ograve;", "", true },
    { 104, "O slash", "&Oslash;", "", true },
    { 105, "O tilde", "&Otilde;", "", true },
    { 106, "O umlaut", "&Ouml;", "", true },
    { 107, "Thorn", "&THORN;", "", true },
    { 108, "U acute accent", "&Uacute;", "", true },
    { 109, "U circumflex", "&Ucirc;", "", true },
    { 110, "U umlaut", "&Uuml;", "", true },
    { 111, "U grave accent", "&Ugrave;", "", true },
    { 112, "Y acute accent", "&Yacute;", "", true },
};

const int kEntityBevelTops[3] = { 68, 166, 261 };

const EntityRow* FindEntity(int number)
{
    for (const EntityRow& row : kEntityRows)
        if (row.number == number)
            return &row;
    return nullptr;
}

EntityPlace EntityPlaceAt(int index)
{
    // Rows of eight; each group starts a new row.
    static const int groupStart[] = { 0, 23, 55, 84 };
    static const int groupTop[] = { 0, 75, 171 };
    int group = index < 23 ? 0 : index < 55 ? 1 : 2;
    int inGroup = index - groupStart[group];
    return { 2 + 23 * (inGroup % 8), groupTop[group] + 22 * (inGroup / 8) };
}
