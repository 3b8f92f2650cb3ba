// The ANSEL code table as Unicode and the NFC compositions of its letters with its marks.
// Made by scripts/ansel-tables.py from Python's unicodedata (Unicode 14.0.0): edit the script
// and run it again rather than editing this file.
#include "text/AnselTables.h"

namespace kinshelf {

namespace {

constexpr AnselCharacter kSpacing[] = {
    {0xA1, 0x0141},  // latin capital letter l with stroke
    {0xA2, 0x00D8},  // latin capital letter o with stroke
    {0xA3, 0x0110},  // latin capital letter d with stroke
    {0xA4, 0x00DE},  // latin capital letter thorn
    {0xA5, 0x00C6},  // latin capital letter ae
    {0xA6, 0x0152},  // latin capital ligature oe
    {0xA7, 0x02B9},  // modifier letter prime
    {0xA8, 0x00B7},  // middle dot
    {0xA9, 0x266D},  // music flat sign
    {0xAA, 0x00AE},  // registered sign
    {0xAB, 0x00B1},  // plus-minus sign
    {0xAC, 0x01A0},  // latin capital letter o with horn
    {0xAD, 0x01AF},  // latin capital letter u with horn
    {0xAE, 0x02BC},  // modifier letter apostrophe
    {0xB0, 0x02BB},  // modifier letter turned comma
    {0xB1, 0x0142},  // latin small letter l with stroke
    {0xB2, 0x00F8},  // latin small letter o with stroke
    {0xB3, 0x0111},  // latin small letter d with stroke
    {0xB4, 0x00FE},  // latin small letter thorn
    {0xB5, 0x00E6},  // latin small letter ae
    {0xB6, 0x0153},  // latin small ligature oe
    {0xB7, 0x02BA},  // modifier letter double prime
    {0xB8, 0x0131},  // latin small letter dotless i
    {0xB9, 0x00A3},  // pound sign
    {0xBA, 0x00F0},  // latin small letter eth
    {0xBC, 0x01A1},  // latin small letter o with horn
    {0xBD, 0x01B0},  // latin small letter u with horn
    {0xC0, 0x00B0},  // degree sign
    {0xC1, 0x2113},  // script small l
    {0xC2, 0x2117},  // sound recording copyright
    {0xC3, 0x00A9},  // copyright sign
    {0xC4, 0x266F},  // music sharp sign
    {0xC5, 0x00BF},  // inverted question mark
    {0xC6, 0x00A1},  // inverted exclamation mark
    {0xC7, 0x00DF},  // latin small letter sharp s
    {0xC8, 0x20AC},  // euro sign
    {0xCF, 0x00DF},  // latin small letter sharp s
};

constexpr AnselCharacter kMarks[] = {
    {0xE0, 0x0309},  // combining hook above
    {0xE1, 0x0300},  // combining grave accent
    {0xE2, 0x0301},  // combining acute accent
    {0xE3, 0x0302},  // combining circumflex accent
    {0xE4, 0x0303},  // combining tilde
    {0xE5, 0x0304},  // combining macron
    {0xE6, 0x0306},  // combining breve
    {0xE7, 0x0307},  // combining dot above
    {0xE8, 0x0308},  // combining diaeresis
    {0xE9, 0x030C},  // combining caron
    {0xEA, 0x030A},  // combining ring above
    {0xEB, 0xFE20},  // combining ligature left half
    {0xEC, 0xFE21},  // combining ligature right half
    {0xED, 0x0315},  // combining comma above right
    {0xEE, 0x030B},  // combining double acute accent
    {0xEF, 0x0310},  // combining candrabindu
    {0xF0, 0x0327},  // combining cedilla
    {0xF1, 0x0328},  // combining ogonek
    {0xF2, 0x0323},  // combining dot below
    {0xF3, 0x0324},  // combining diaeresis below
    {0xF4, 0x0325},  // combining ring below
    {0xF5, 0x0333},  // combining double low line
    {0xF6, 0x0332},  // combining low line
    {0xF7, 0x0326},  // combining comma below
    {0xF8, 0x031C},  // combining left half ring below
    {0xF9, 0x032E},  // combining breve below
    {0xFA, 0xFE22},  // combining double tilde left half
    {0xFB, 0xFE23},  // combining double tilde right half
    {0xFE, 0x0313},  // combining comma above
};

constexpr CombiningMark kCombiningClasses[] = {
    {0x0300, 230},  // combining grave accent
    {0x0301, 230},  // combining acute accent
    {0x0302, 230},  // combining circumflex accent
    {0x0303, 230},  // combining tilde
    {0x0304, 230},  // combining macron
    {0x0306, 230},  // combining breve
    {0x0307, 230},  // combining dot above
    {0x0308, 230},  // combining diaeresis
    {0x0309, 230},  // combining hook above
    {0x030A, 230},  // combining ring above
    {0x030B, 230},  // combining double acute accent
    {0x030C, 230},  // combining caron
    {0x0310, 230},  // combining candrabindu
    {0x0313, 230},  // combining comma above
    {0x0315, 232},  // combining comma above right
    {0x031B, 216},  // combining horn
    {0x031C, 220},  // combining left half ring below
    {0x0323, 220},  // combining dot below
    {0x0324, 220},  // combining diaeresis below
    {0x0325, 220},  // combining ring below
    {0x0326, 220},  // combining comma below
    {0x0327, 202},  // combining cedilla
    {0x0328, 202},  // combining ogonek
    {0x032E, 220},  // combining breve below
    {0x0332, 220},  // combining low line
    {0x0333, 220},  // combining double low line
    {0xFE20, 230},  // combining ligature left half
    {0xFE21, 230},  // combining ligature right half
    {0xFE22, 230},  // combining double tilde left half
    {0xFE23, 230},  // combining double tilde right half
};

constexpr MarkComposition kDecompositions[] = {
    {0x004F, 0x031B, 0x01A0},  // latin capital letter o with horn
    {0x0055, 0x031B, 0x01AF},  // latin capital letter u with horn
    {0x006F, 0x031B, 0x01A1},  // latin small letter o with horn
    {0x0075, 0x031B, 0x01B0},  // latin small letter u with horn
};

constexpr MarkComposition kCompositions[] = {
    {0x0041, 0x0300, 0x00C0},  // latin capital letter a with grave
    {0x0041, 0x0301, 0x00C1},  // latin capital letter a with acute
    {0x0041, 0x0302, 0x00C2},  // latin capital letter a with circumflex
    {0x0041, 0x0303, 0x00C3},  // latin capital letter a with tilde
    {0x0041, 0x0304, 0x0100},  // latin capital letter a with macron
    {0x0041, 0x0306, 0x0102},  // latin capital letter a with breve
    {0x0041, 0x0307, 0x0226},  // latin capital letter a with dot above
    {0x0041, 0x0308, 0x00C4},  // latin capital letter a with diaeresis
    {0x0041, 0x0309, 0x1EA2},  // latin capital letter a with hook above
    {0x0041, 0x030A, 0x00C5},  // latin capital letter a with ring above
    {0x0041, 0x030C, 0x01CD},  // latin capital letter a with caron
    {0x0041, 0x0323, 0x1EA0},  // latin capital letter a with dot below
    {0x0041, 0x0325, 0x1E00},  // latin capital letter a with ring below
    {0x0041, 0x0328, 0x0104},  // latin capital letter a with ogonek
    {0x0042, 0x0307, 0x1E02},  // latin capital letter b with dot above
    {0x0042, 0x0323, 0x1E04},  // latin capital letter b with dot below
    {0x0043, 0x0301, 0x0106},  // latin capital letter c with acute
    {0x0043, 0x0302, 0x0108},  // latin capital letter c with circumflex
    {0x0043, 0x0307, 0x010A},  // latin capital letter c with dot above
    {0x0043, 0x030C, 0x010C},  // latin capital letter c with caron
    {0x0043, 0x0327, 0x00C7},  // latin capital letter c with cedilla
    {0x0044, 0x0307, 0x1E0A},  // latin capital letter d with dot above
    {0x0044, 0x030C, 0x010E},  // latin capital letter d with caron
    {0x0044, 0x0323, 0x1E0C},  // latin capital letter d with dot below
    {0x0044, 0x0327, 0x1E10},  // latin capital letter d with cedilla
    {0x0045, 0x0300, 0x00C8},  // latin capital letter e with grave
    {0x0045, 0x0301, 0x00C9},  // latin capital letter e with acute
    {0x0045, 0x0302, 0x00CA},  // latin capital letter e with circumflex
    {0x0045, 0x0303, 0x1EBC},  // latin capital letter e with tilde
    {0x0045, 0x0304, 0x0112},  // latin capital letter e with macron
    {0x0045, 0x0306, 0x0114},  // latin capital letter e with breve
    {0x0045, 0x0307, 0x0116},  // latin capital letter e with dot above
    {0x0045, 0x0308, 0x00CB},  // latin capital letter e with diaeresis
    {0x0045, 0x0309, 0x1EBA},  // latin capital letter e with hook above
    {0x0045, 0x030C, 0x011A},  // latin capital letter e with caron
    {0x0045, 0x0323, 0x1EB8},  // latin capital letter e with dot below
    {0x0045, 0x0327, 0x0228},  // latin capital letter e with cedilla
    {0x0045, 0x0328, 0x0118},  // latin capital letter e with ogonek
    {0x0046, 0x0307, 0x1E1E},  // latin capital letter f with dot above
    {0x0047, 0x0301, 0x01F4},  // latin capital letter g with acute
    {0x0047, 0x0302, 0x011C},  // latin capital letter g with circumflex
    {0x0047, 0x0304, 0x1E20},  // latin capital letter g with macron
    {0x0047, 0x0306, 0x011E},  // latin capital letter g with breve
    {0x0047, 0x0307, 0x0120},  // latin capital letter g with dot above
    {0x0047, 0x030C, 0x01E6},  // latin capital letter g with caron
    {0x0047, 0x0327, 0x0122},  // latin capital letter g with cedilla
    {0x0048, 0x0302, 0x0124},  // latin capital letter h with circumflex
    {0x0048, 0x0307, 0x1E22},  // latin capital letter h with dot above
    {0x0048, 0x0308, 0x1E26},  // latin capital letter h with diaeresis
    {0x0048, 0x030C, 0x021E},  // latin capital letter h with caron
    {0x0048, 0x0323, 0x1E24},  // latin capital letter h with dot below
    {0x0048, 0x0327, 0x1E28},  // latin capital letter h with cedilla
    {0x0048, 0x032E, 0x1E2A},  // latin capital letter h with breve below
    {0x0049, 0x0300, 0x00CC},  // latin capital letter i with grave
    {0x0049, 0x0301, 0x00CD},  // latin capital letter i with acute
    {0x0049, 0x0302, 0x00CE},  // latin capital letter i with circumflex
    {0x0049, 0x0303, 0x0128},  // latin capital letter i with tilde
    {0x0049, 0x0304, 0x012A},  // latin capital letter i with macron
    {0x0049, 0x0306, 0x012C},  // latin capital letter i with breve
    {0x0049, 0x0307, 0x0130},  // latin capital letter i with dot above
    {0x0049, 0x0308, 0x00CF},  // latin capital letter i with diaeresis
    {0x0049, 0x0309, 0x1EC8},  // latin capital letter i with hook above
    {0x0049, 0x030C, 0x01CF},  // latin capital letter i with caron
    {0x0049, 0x0323, 0x1ECA},  // latin capital letter i with dot below
    {0x0049, 0x0328, 0x012E},  // latin capital letter i with ogonek
    {0x004A, 0x0302, 0x0134},  // latin capital letter j with circumflex
    {0x004B, 0x0301, 0x1E30},  // latin capital letter k with acute
    {0x004B, 0x030C, 0x01E8},  // latin capital letter k with caron
    {0x004B, 0x0323, 0x1E32},  // latin capital letter k with dot below
    {0x004B, 0x0327, 0x0136},  // latin capital letter k with cedilla
    {0x004C, 0x0301, 0x0139},  // latin capital letter l with acute
    {0x004C, 0x030C, 0x013D},  // latin capital letter l with caron
    {0x004C, 0x0323, 0x1E36},  // latin capital letter l with dot below
    {0x004C, 0x0327, 0x013B},  // latin capital letter l with cedilla
    {0x004D, 0x0301, 0x1E3E},  // latin capital letter m with acute
    {0x004D, 0x0307, 0x1E40},  // latin capital letter m with dot above
    {0x004D, 0x0323, 0x1E42},  // latin capital letter m with dot below
    {0x004E, 0x0300, 0x01F8},  // latin capital letter n with grave
    {0x004E, 0x0301, 0x0143},  // latin capital letter n with acute
    {0x004E, 0x0303, 0x00D1},  // latin capital letter n with tilde
    {0x004E, 0x0307, 0x1E44},  // latin capital letter n with dot above
    {0x004E, 0x030C, 0x0147},  // latin capital letter n with caron
    {0x004E, 0x0323, 0x1E46},  // latin capital letter n with dot below
    {0x004E, 0x0327, 0x0145},  // latin capital letter n with cedilla
    {0x004F, 0x0300, 0x00D2},  // latin capital letter o with grave
    {0x004F, 0x0301, 0x00D3},  // latin capital letter o with acute
    {0x004F, 0x0302, 0x00D4},  // latin capital letter o with circumflex
    {0x004F, 0x0303, 0x00D5},  // latin capital letter o with tilde
    {0x004F, 0x0304, 0x014C},  // latin capital letter o with macron
    {0x004F, 0x0306, 0x014E},  // latin capital letter o with breve
    {0x004F, 0x0307, 0x022E},  // latin capital letter o with dot above
    {0x004F, 0x0308, 0x00D6},  // latin capital letter o with diaeresis
    {0x004F, 0x0309, 0x1ECE},  // latin capital letter o with hook above
    {0x004F, 0x030B, 0x0150},  // latin capital letter o with double acute
    {0x004F, 0x030C, 0x01D1},  // latin capital letter o with caron
    {0x004F, 0x031B, 0x01A0},  // latin capital letter o with horn
    {0x004F, 0x0323, 0x1ECC},  // latin capital letter o with dot below
    {0x004F, 0x0328, 0x01EA},  // latin capital letter o with ogonek
    {0x0050, 0x0301, 0x1E54},  // latin capital letter p with acute
    {0x0050, 0x0307, 0x1E56},  // latin capital letter p with dot above
    {0x0052, 0x0301, 0x0154},  // latin capital letter r with acute
    {0x0052, 0x0307, 0x1E58},  // latin capital letter r with dot above
    {0x0052, 0x030C, 0x0158},  // latin capital letter r with caron
    {0x0052, 0x0323, 0x1E5A},  // latin capital letter r with dot below
    {0x0052, 0x0327, 0x0156},  // latin capital letter r with cedilla
    {0x0053, 0x0301, 0x015A},  // latin capital letter s with acute
    {0x0053, 0x0302, 0x015C},  // latin capital letter s with circumflex
    {0x0053, 0x0307, 0x1E60},  // latin capital letter s with dot above
    {0x0053, 0x030C, 0x0160},  // latin capital letter s with caron
    {0x0053, 0x0323, 0x1E62},  // latin capital letter s with dot below
    {0x0053, 0x0326, 0x0218},  // latin capital letter s with comma below
    {0x0053, 0x0327, 0x015E},  // latin capital letter s with cedilla
    {0x0054, 0x0307, 0x1E6A},  // latin capital letter t with dot above
    {0x0054, 0x030C, 0x0164},  // latin capital letter t with caron
    {0x0054, 0x0323, 0x1E6C},  // latin capital letter t with dot below
    {0x0054, 0x0326, 0x021A},  // latin capital letter t with comma below
    {0x0054, 0x0327, 0x0162},  // latin capital letter t with cedilla
    {0x0055, 0x0300, 0x00D9},  // latin capital letter u with grave
    {0x0055, 0x0301, 0x00DA},  // latin capital letter u with acute
    {0x0055, 0x0302, 0x00DB},  // latin capital letter u with circumflex
    {0x0055, 0x0303, 0x0168},  // latin capital letter u with tilde
    {0x0055, 0x0304, 0x016A},  // latin capital letter u with macron
    {0x0055, 0x0306, 0x016C},  // latin capital letter u with breve
    {0x0055, 0x0308, 0x00DC},  // latin capital letter u with diaeresis
    {0x0055, 0x0309, 0x1EE6},  // latin capital letter u with hook above
    {0x0055, 0x030A, 0x016E},  // latin capital letter u with ring above
    {0x0055, 0x030B, 0x0170},  // latin capital letter u with double acute
    {0x0055, 0x030C, 0x01D3},  // latin capital letter u with caron
    {0x0055, 0x031B, 0x01AF},  // latin capital letter u with horn
    {0x0055, 0x0323, 0x1EE4},  // latin capital letter u with dot below
    {0x0055, 0x0324, 0x1E72},  // latin capital letter u with diaeresis below
    {0x0055, 0x0328, 0x0172},  // latin capital letter u with ogonek
    {0x0056, 0x0303, 0x1E7C},  // latin capital letter v with tilde
    {0x0056, 0x0323, 0x1E7E},  // latin capital letter v with dot below
    {0x0057, 0x0300, 0x1E80},  // latin capital letter w with grave
    {0x0057, 0x0301, 0x1E82},  // latin capital letter w with acute
    {0x0057, 0x0302, 0x0174},  // latin capital letter w with circumflex
    {0x0057, 0x0307, 0x1E86},  // latin capital letter w with dot above
    {0x0057, 0x0308, 0x1E84},  // latin capital letter w with diaeresis
    {0x0057, 0x0323, 0x1E88},  // latin capital letter w with dot below
    {0x0058, 0x0307, 0x1E8A},  // latin capital letter x with dot above
    {0x0058, 0x0308, 0x1E8C},  // latin capital letter x with diaeresis
    {0x0059, 0x0300, 0x1EF2},  // latin capital letter y with grave
    {0x0059, 0x0301, 0x00DD},  // latin capital letter y with acute
    {0x0059, 0x0302, 0x0176},  // latin capital letter y with circumflex
    {0x0059, 0x0303, 0x1EF8},  // latin capital letter y with tilde
    {0x0059, 0x0304, 0x0232},  // latin capital letter y with macron
    {0x0059, 0x0307, 0x1E8E},  // latin capital letter y with dot above
    {0x0059, 0x0308, 0x0178},  // latin capital letter y with diaeresis
    {0x0059, 0x0309, 0x1EF6},  // latin capital letter y with hook above
    {0x0059, 0x0323, 0x1EF4},  // latin capital letter y with dot below
    {0x005A, 0x0301, 0x0179},  // latin capital letter z with acute
    {0x005A, 0x0302, 0x1E90},  // latin capital letter z with circumflex
    {0x005A, 0x0307, 0x017B},  // latin capital letter z with dot above
    {0x005A, 0x030C, 0x017D},  // latin capital letter z with caron
    {0x005A, 0x0323, 0x1E92},  // latin capital letter z with dot below
    {0x0061, 0x0300, 0x00E0},  // latin small letter a with grave
    {0x0061, 0x0301, 0x00E1},  // latin small letter a with acute
    {0x0061, 0x0302, 0x00E2},  // latin small letter a with circumflex
    {0x0061, 0x0303, 0x00E3},  // latin small letter a with tilde
    {0x0061, 0x0304, 0x0101},  // latin small letter a with macron
    {0x0061, 0x0306, 0x0103},  // latin small letter a with breve
    {0x0061, 0x0307, 0x0227},  // latin small letter a with dot above
    {0x0061, 0x0308, 0x00E4},  // latin small letter a with diaeresis
    {0x0061, 0x0309, 0x1EA3},  // latin small letter a with hook above
    {0x0061, 0x030A, 0x00E5},  // latin small letter a with ring above
    {0x0061, 0x030C, 0x01CE},  // latin small letter a with caron
    {0x0061, 0x0323, 0x1EA1},  // latin small letter a with dot below
    {0x0061, 0x0325, 0x1E01},  // latin small letter a with ring below
    {0x0061, 0x0328, 0x0105},  // latin small letter a with ogonek
    {0x0062, 0x0307, 0x1E03},  // latin small letter b with dot above
    {0x0062, 0x0323, 0x1E05},  // latin small letter b with dot below
    {0x0063, 0x0301, 0x0107},  // latin small letter c with acute
    {0x0063, 0x0302, 0x0109},  // latin small letter c with circumflex
    {0x0063, 0x0307, 0x010B},  // latin small letter c with dot above
    {0x0063, 0x030C, 0x010D},  // latin small letter c with caron
    {0x0063, 0x0327, 0x00E7},  // latin small letter c with cedilla
    {0x0064, 0x0307, 0x1E0B},  // latin small letter d with dot above
    {0x0064, 0x030C, 0x010F},  // latin small letter d with caron
    {0x0064, 0x0323, 0x1E0D},  // latin small letter d with dot below
    {0x0064, 0x0327, 0x1E11},  // latin small letter d with cedilla
    {0x0065, 0x0300, 0x00E8},  // latin small letter e with grave
    {0x0065, 0x0301, 0x00E9},  // latin small letter e with acute
    {0x0065, 0x0302, 0x00EA},  // latin small letter e with circumflex
    {0x0065, 0x0303, 0x1EBD},  // latin small letter e with tilde
    {0x0065, 0x0304, 0x0113},  // latin small letter e with macron
    {0x0065, 0x0306, 0x0115},  // latin small letter e with breve
    {0x0065, 0x0307, 0x0117},  // latin small letter e with dot above
    {0x0065, 0x0308, 0x00EB},  // latin small letter e with diaeresis
    {0x0065, 0x0309, 0x1EBB},  // latin small letter e with hook above
    {0x0065, 0x030C, 0x011B},  // latin small letter e with caron
    {0x0065, 0x0323, 0x1EB9},  // latin small letter e with dot below
    {0x0065, 0x0327, 0x0229},  // latin small letter e with cedilla
    {0x0065, 0x0328, 0x0119},  // latin small letter e with ogonek
    {0x0066, 0x0307, 0x1E1F},  // latin small letter f with dot above
    {0x0067, 0x0301, 0x01F5},  // latin small letter g with acute
    {0x0067, 0x0302, 0x011D},  // latin small letter g with circumflex
    {0x0067, 0x0304, 0x1E21},  // latin small letter g with macron
    {0x0067, 0x0306, 0x011F},  // latin small letter g with breve
    {0x0067, 0x0307, 0x0121},  // latin small letter g with dot above
    {0x0067, 0x030C, 0x01E7},  // latin small letter g with caron
    {0x0067, 0x0327, 0x0123},  // latin small letter g with cedilla
    {0x0068, 0x0302, 0x0125},  // latin small letter h with circumflex
    {0x0068, 0x0307, 0x1E23},  // latin small letter h with dot above
    {0x0068, 0x0308, 0x1E27},  // latin small letter h with diaeresis
    {0x0068, 0x030C, 0x021F},  // latin small letter h with caron
    {0x0068, 0x0323, 0x1E25},  // latin small letter h with dot below
    {0x0068, 0x0327, 0x1E29},  // latin small letter h with cedilla
    {0x0068, 0x032E, 0x1E2B},  // latin small letter h with breve below
    {0x0069, 0x0300, 0x00EC},  // latin small letter i with grave
    {0x0069, 0x0301, 0x00ED},  // latin small letter i with acute
    {0x0069, 0x0302, 0x00EE},  // latin small letter i with circumflex
    {0x0069, 0x0303, 0x0129},  // latin small letter i with tilde
    {0x0069, 0x0304, 0x012B},  // latin small letter i with macron
    {0x0069, 0x0306, 0x012D},  // latin small letter i with breve
    {0x0069, 0x0308, 0x00EF},  // latin small letter i with diaeresis
    {0x0069, 0x0309, 0x1EC9},  // latin small letter i with hook above
    {0x0069, 0x030C, 0x01D0},  // latin small letter i with caron
    {0x0069, 0x0323, 0x1ECB},  // latin small letter i with dot below
    {0x0069, 0x0328, 0x012F},  // latin small letter i with ogonek
    {0x006A, 0x0302, 0x0135},  // latin small letter j with circumflex
    {0x006A, 0x030C, 0x01F0},  // latin small letter j with caron
    {0x006B, 0x0301, 0x1E31},  // latin small letter k with acute
    {0x006B, 0x030C, 0x01E9},  // latin small letter k with caron
    {0x006B, 0x0323, 0x1E33},  // latin small letter k with dot below
    {0x006B, 0x0327, 0x0137},  // latin small letter k with cedilla
    {0x006C, 0x0301, 0x013A},  // latin small letter l with acute
    {0x006C, 0x030C, 0x013E},  // latin small letter l with caron
    {0x006C, 0x0323, 0x1E37},  // latin small letter l with dot below
    {0x006C, 0x0327, 0x013C},  // latin small letter l with cedilla
    {0x006D, 0x0301, 0x1E3F},  // latin small letter m with acute
    {0x006D, 0x0307, 0x1E41},  // latin small letter m with dot above
    {0x006D, 0x0323, 0x1E43},  // latin small letter m with dot below
    {0x006E, 0x0300, 0x01F9},  // latin small letter n with grave
    {0x006E, 0x0301, 0x0144},  // latin small letter n with acute
    {0x006E, 0x0303, 0x00F1},  // latin small letter n with tilde
    {0x006E, 0x0307, 0x1E45},  // latin small letter n with dot above
    {0x006E, 0x030C, 0x0148},  // latin small letter n with caron
    {0x006E, 0x0323, 0x1E47},  // latin small letter n with dot below
    {0x006E, 0x0327, 0x0146},  // latin small letter n with cedilla
    {0x006F, 0x0300, 0x00F2},  // latin small letter o with grave
    {0x006F, 0x0301, 0x00F3},  // latin small letter o with acute
    {0x006F, 0x0302, 0x00F4},  // latin small letter o with circumflex
    {0x006F, 0x0303, 0x00F5},  // latin small letter o with tilde
    {0x006F, 0x0304, 0x014D},  // latin small letter o with macron
    {0x006F, 0x0306, 0x014F},  // latin small letter o with breve
    {0x006F, 0x0307, 0x022F},  // latin small letter o with dot above
    {0x006F, 0x0308, 0x00F6},  // latin small letter o with diaeresis
    {0x006F, 0x0309, 0x1ECF},  // latin small letter o with hook above
    {0x006F, 0x030B, 0x0151},  // latin small letter o with double acute
    {0x006F, 0x030C, 0x01D2},  // latin small letter o with caron
    {0x006F, 0x031B, 0x01A1},  // latin small letter o with horn
    {0x006F, 0x0323, 0x1ECD},  // latin small letter o with dot below
    {0x006F, 0x0328, 0x01EB},  // latin small letter o with ogonek
    {0x0070, 0x0301, 0x1E55},  // latin small letter p with acute
    {0x0070, 0x0307, 0x1E57},  // latin small letter p with dot above
    {0x0072, 0x0301, 0x0155},  // latin small letter r with acute
    {0x0072, 0x0307, 0x1E59},  // latin small letter r with dot above
    {0x0072, 0x030C, 0x0159},  // latin small letter r with caron
    {0x0072, 0x0323, 0x1E5B},  // latin small letter r with dot below
    {0x0072, 0x0327, 0x0157},  // latin small letter r with cedilla
    {0x0073, 0x0301, 0x015B},  // latin small letter s with acute
    {0x0073, 0x0302, 0x015D},  // latin small letter s with circumflex
    {0x0073, 0x0307, 0x1E61},  // latin small letter s with dot above
    {0x0073, 0x030C, 0x0161},  // latin small letter s with caron
    {0x0073, 0x0323, 0x1E63},  // latin small letter s with dot below
    {0x0073, 0x0326, 0x0219},  // latin small letter s with comma below
    {0x0073, 0x0327, 0x015F},  // latin small letter s with cedilla
    {0x0074, 0x0307, 0x1E6B},  // latin small letter t with dot above
    {0x0074, 0x0308, 0x1E97},  // latin small letter t with diaeresis
    {0x0074, 0x030C, 0x0165},  // latin small letter t with caron
    {0x0074, 0x0323, 0x1E6D},  // latin small letter t with dot below
    {0x0074, 0x0326, 0x021B},  // latin small letter t with comma below
    {0x0074, 0x0327, 0x0163},  // latin small letter t with cedilla
    {0x0075, 0x0300, 0x00F9},  // latin small letter u with grave
    {0x0075, 0x0301, 0x00FA},  // latin small letter u with acute
    {0x0075, 0x0302, 0x00FB},  // latin small letter u with circumflex
    {0x0075, 0x0303, 0x0169},  // latin small letter u with tilde
    {0x0075, 0x0304, 0x016B},  // latin small letter u with macron
    {0x0075, 0x0306, 0x016D},  // latin small letter u with breve
    {0x0075, 0x0308, 0x00FC},  // latin small letter u with diaeresis
    {0x0075, 0x0309, 0x1EE7},  // latin small letter u with hook above
    {0x0075, 0x030A, 0x016F},  // latin small letter u with ring above
    {0x0075, 0x030B, 0x0171},  // latin small letter u with double acute
    {0x0075, 0x030C, 0x01D4},  // latin small letter u with caron
    {0x0075, 0x031B, 0x01B0},  // latin small letter u with horn
    {0x0075, 0x0323, 0x1EE5},  // latin small letter u with dot below
    {0x0075, 0x0324, 0x1E73},  // latin small letter u with diaeresis below
    {0x0075, 0x0328, 0x0173},  // latin small letter u with ogonek
    {0x0076, 0x0303, 0x1E7D},  // latin small letter v with tilde
    {0x0076, 0x0323, 0x1E7F},  // latin small letter v with dot below
    {0x0077, 0x0300, 0x1E81},  // latin small letter w with grave
    {0x0077, 0x0301, 0x1E83},  // latin small letter w with acute
    {0x0077, 0x0302, 0x0175},  // latin small letter w with circumflex
    {0x0077, 0x0307, 0x1E87},  // latin small letter w with dot above
    {0x0077, 0x0308, 0x1E85},  // latin small letter w with diaeresis
    {0x0077, 0x030A, 0x1E98},  // latin small letter w with ring above
    {0x0077, 0x0323, 0x1E89},  // latin small letter w with dot below
    {0x0078, 0x0307, 0x1E8B},  // latin small letter x with dot above
    {0x0078, 0x0308, 0x1E8D},  // latin small letter x with diaeresis
    {0x0079, 0x0300, 0x1EF3},  // latin small letter y with grave
    {0x0079, 0x0301, 0x00FD},  // latin small letter y with acute
    {0x0079, 0x0302, 0x0177},  // latin small letter y with circumflex
    {0x0079, 0x0303, 0x1EF9},  // latin small letter y with tilde
    {0x0079, 0x0304, 0x0233},  // latin small letter y with macron
    {0x0079, 0x0307, 0x1E8F},  // latin small letter y with dot above
    {0x0079, 0x0308, 0x00FF},  // latin small letter y with diaeresis
    {0x0079, 0x0309, 0x1EF7},  // latin small letter y with hook above
    {0x0079, 0x030A, 0x1E99},  // latin small letter y with ring above
    {0x0079, 0x0323, 0x1EF5},  // latin small letter y with dot below
    {0x007A, 0x0301, 0x017A},  // latin small letter z with acute
    {0x007A, 0x0302, 0x1E91},  // latin small letter z with circumflex
    {0x007A, 0x0307, 0x017C},  // latin small letter z with dot above
    {0x007A, 0x030C, 0x017E},  // latin small letter z with caron
    {0x007A, 0x0323, 0x1E93},  // latin small letter z with dot below
    {0x00C2, 0x0300, 0x1EA6},  // latin capital letter a with circumflex and grave
    {0x00C2, 0x0301, 0x1EA4},  // latin capital letter a with circumflex and acute
    {0x00C2, 0x0303, 0x1EAA},  // latin capital letter a with circumflex and tilde
    {0x00C2, 0x0309, 0x1EA8},  // latin capital letter a with circumflex and hook above
    {0x00C4, 0x0304, 0x01DE},  // latin capital letter a with diaeresis and macron
    {0x00C5, 0x0301, 0x01FA},  // latin capital letter a with ring above and acute
    {0x00C6, 0x0301, 0x01FC},  // latin capital letter ae with acute
    {0x00C6, 0x0304, 0x01E2},  // latin capital letter ae with macron
    {0x00C7, 0x0301, 0x1E08},  // latin capital letter c with cedilla and acute
    {0x00CA, 0x0300, 0x1EC0},  // latin capital letter e with circumflex and grave
    {0x00CA, 0x0301, 0x1EBE},  // latin capital letter e with circumflex and acute
    {0x00CA, 0x0303, 0x1EC4},  // latin capital letter e with circumflex and tilde
    {0x00CA, 0x0309, 0x1EC2},  // latin capital letter e with circumflex and hook above
    {0x00CF, 0x0301, 0x1E2E},  // latin capital letter i with diaeresis and acute
    {0x00D4, 0x0300, 0x1ED2},  // latin capital letter o with circumflex and grave
    {0x00D4, 0x0301, 0x1ED0},  // latin capital letter o with circumflex and acute
    {0x00D4, 0x0303, 0x1ED6},  // latin capital letter o with circumflex and tilde
    {0x00D4, 0x0309, 0x1ED4},  // latin capital letter o with circumflex and hook above
    {0x00D5, 0x0301, 0x1E4C},  // latin capital letter o with tilde and acute
    {0x00D5, 0x0304, 0x022C},  // latin capital letter o with tilde and macron
    {0x00D5, 0x0308, 0x1E4E},  // latin capital letter o with tilde and diaeresis
    {0x00D6, 0x0304, 0x022A},  // latin capital letter o with diaeresis and macron
    {0x00D8, 0x0301, 0x01FE},  // latin capital letter o with stroke and acute
    {0x00DC, 0x0300, 0x01DB},  // latin capital letter u with diaeresis and grave
    {0x00DC, 0x0301, 0x01D7},  // latin capital letter u with diaeresis and acute
    {0x00DC, 0x0304, 0x01D5},  // latin capital letter u with diaeresis and macron
    {0x00DC, 0x030C, 0x01D9},  // latin capital letter u with diaeresis and caron
    {0x00E2, 0x0300, 0x1EA7},  // latin small letter a with circumflex and grave
    {0x00E2, 0x0301, 0x1EA5},  // latin small letter a with circumflex and acute
    {0x00E2, 0x0303, 0x1EAB},  // latin small letter a with circumflex and tilde
    {0x00E2, 0x0309, 0x1EA9},  // latin small letter a with circumflex and hook above
    {0x00E4, 0x0304, 0x01DF},  // latin small letter a with diaeresis and macron
    {0x00E5, 0x0301, 0x01FB},  // latin small letter a with ring above and acute
    {0x00E6, 0x0301, 0x01FD},  // latin small letter ae with acute
    {0x00E6, 0x0304, 0x01E3},  // latin small letter ae with macron
    {0x00E7, 0x0301, 0x1E09},  // latin small letter c with cedilla and acute
    {0x00EA, 0x0300, 0x1EC1},  // latin small letter e with circumflex and grave
    {0x00EA, 0x0301, 0x1EBF},  // latin small letter e with circumflex and acute
    {0x00EA, 0x0303, 0x1EC5},  // latin small letter e with circumflex and tilde
    {0x00EA, 0x0309, 0x1EC3},  // latin small letter e with circumflex and hook above
    {0x00EF, 0x0301, 0x1E2F},  // latin small letter i with diaeresis and acute
    {0x00F4, 0x0300, 0x1ED3},  // latin small letter o with circumflex and grave
    {0x00F4, 0x0301, 0x1ED1},  // latin small letter o with circumflex and acute
    {0x00F4, 0x0303, 0x1ED7},  // latin small letter o with circumflex and tilde
    {0x00F4, 0x0309, 0x1ED5},  // latin small letter o with circumflex and hook above
    {0x00F5, 0x0301, 0x1E4D},  // latin small letter o with tilde and acute
    {0x00F5, 0x0304, 0x022D},  // latin small letter o with tilde and macron
    {0x00F5, 0x0308, 0x1E4F},  // latin small letter o with tilde and diaeresis
    {0x00F6, 0x0304, 0x022B},  // latin small letter o with diaeresis and macron
    {0x00F8, 0x0301, 0x01FF},  // latin small letter o with stroke and acute
    {0x00FC, 0x0300, 0x01DC},  // latin small letter u with diaeresis and grave
    {0x00FC, 0x0301, 0x01D8},  // latin small letter u with diaeresis and acute
    {0x00FC, 0x0304, 0x01D6},  // latin small letter u with diaeresis and macron
    {0x00FC, 0x030C, 0x01DA},  // latin small letter u with diaeresis and caron
    {0x0102, 0x0300, 0x1EB0},  // latin capital letter a with breve and grave
    {0x0102, 0x0301, 0x1EAE},  // latin capital letter a with breve and acute
    {0x0102, 0x0303, 0x1EB4},  // latin capital letter a with breve and tilde
    {0x0102, 0x0309, 0x1EB2},  // latin capital letter a with breve and hook above
    {0x0103, 0x0300, 0x1EB1},  // latin small letter a with breve and grave
    {0x0103, 0x0301, 0x1EAF},  // latin small letter a with breve and acute
    {0x0103, 0x0303, 0x1EB5},  // latin small letter a with breve and tilde
    {0x0103, 0x0309, 0x1EB3},  // latin small letter a with breve and hook above
    {0x0112, 0x0300, 0x1E14},  // latin capital letter e with macron and grave
    {0x0112, 0x0301, 0x1E16},  // latin capital letter e with macron and acute
    {0x0113, 0x0300, 0x1E15},  // latin small letter e with macron and grave
    {0x0113, 0x0301, 0x1E17},  // latin small letter e with macron and acute
    {0x014C, 0x0300, 0x1E50},  // latin capital letter o with macron and grave
    {0x014C, 0x0301, 0x1E52},  // latin capital letter o with macron and acute
    {0x014D, 0x0300, 0x1E51},  // latin small letter o with macron and grave
    {0x014D, 0x0301, 0x1E53},  // latin small letter o with macron and acute
    {0x015A, 0x0307, 0x1E64},  // latin capital letter s with acute and dot above
    {0x015B, 0x0307, 0x1E65},  // latin small letter s with acute and dot above
    {0x0160, 0x0307, 0x1E66},  // latin capital letter s with caron and dot above
    {0x0161, 0x0307, 0x1E67},  // latin small letter s with caron and dot above
    {0x0168, 0x0301, 0x1E78},  // latin capital letter u with tilde and acute
    {0x0169, 0x0301, 0x1E79},  // latin small letter u with tilde and acute
    {0x016A, 0x0308, 0x1E7A},  // latin capital letter u with macron and diaeresis
    {0x016B, 0x0308, 0x1E7B},  // latin small letter u with macron and diaeresis
    {0x01A0, 0x0300, 0x1EDC},  // latin capital letter o with horn and grave
    {0x01A0, 0x0301, 0x1EDA},  // latin capital letter o with horn and acute
    {0x01A0, 0x0303, 0x1EE0},  // latin capital letter o with horn and tilde
    {0x01A0, 0x0309, 0x1EDE},  // latin capital letter o with horn and hook above
    {0x01A0, 0x0323, 0x1EE2},  // latin capital letter o with horn and dot below
    {0x01A1, 0x0300, 0x1EDD},  // latin small letter o with horn and grave
    {0x01A1, 0x0301, 0x1EDB},  // latin small letter o with horn and acute
    {0x01A1, 0x0303, 0x1EE1},  // latin small letter o with horn and tilde
    {0x01A1, 0x0309, 0x1EDF},  // latin small letter o with horn and hook above
    {0x01A1, 0x0323, 0x1EE3},  // latin small letter o with horn and dot below
    {0x01AF, 0x0300, 0x1EEA},  // latin capital letter u with horn and grave
    {0x01AF, 0x0301, 0x1EE8},  // latin capital letter u with horn and acute
    {0x01AF, 0x0303, 0x1EEE},  // latin capital letter u with horn and tilde
    {0x01AF, 0x0309, 0x1EEC},  // latin capital letter u with horn and hook above
    {0x01AF, 0x0323, 0x1EF0},  // latin capital letter u with horn and dot below
    {0x01B0, 0x0300, 0x1EEB},  // latin small letter u with horn and grave
    {0x01B0, 0x0301, 0x1EE9},  // latin small letter u with horn and acute
    {0x01B0, 0x0303, 0x1EEF},  // latin small letter u with horn and tilde
    {0x01B0, 0x0309, 0x1EED},  // latin small letter u with horn and hook above
    {0x01B0, 0x0323, 0x1EF1},  // latin small letter u with horn and dot below
    {0x01EA, 0x0304, 0x01EC},  // latin capital letter o with ogonek and macron
    {0x01EB, 0x0304, 0x01ED},  // latin small letter o with ogonek and macron
    {0x0226, 0x0304, 0x01E0},  // latin capital letter a with dot above and macron
    {0x0227, 0x0304, 0x01E1},  // latin small letter a with dot above and macron
    {0x0228, 0x0306, 0x1E1C},  // latin capital letter e with cedilla and breve
    {0x0229, 0x0306, 0x1E1D},  // latin small letter e with cedilla and breve
    {0x022E, 0x0304, 0x0230},  // latin capital letter o with dot above and macron
    {0x022F, 0x0304, 0x0231},  // latin small letter o with dot above and macron
    {0x1E36, 0x0304, 0x1E38},  // latin capital letter l with dot below and macron
    {0x1E37, 0x0304, 0x1E39},  // latin small letter l with dot below and macron
    {0x1E5A, 0x0304, 0x1E5C},  // latin capital letter r with dot below and macron
    {0x1E5B, 0x0304, 0x1E5D},  // latin small letter r with dot below and macron
    {0x1E62, 0x0307, 0x1E68},  // latin capital letter s with dot below and dot above
    {0x1E63, 0x0307, 0x1E69},  // latin small letter s with dot below and dot above
    {0x1EA0, 0x0302, 0x1EAC},  // latin capital letter a with circumflex and dot below
    {0x1EA0, 0x0306, 0x1EB6},  // latin capital letter a with breve and dot below
    {0x1EA1, 0x0302, 0x1EAD},  // latin small letter a with circumflex and dot below
    {0x1EA1, 0x0306, 0x1EB7},  // latin small letter a with breve and dot below
    {0x1EB8, 0x0302, 0x1EC6},  // latin capital letter e with circumflex and dot below
    {0x1EB9, 0x0302, 0x1EC7},  // latin small letter e with circumflex and dot below
    {0x1ECC, 0x0302, 0x1ED8},  // latin capital letter o with circumflex and dot below
    {0x1ECD, 0x0302, 0x1ED9},  // latin small letter o with circumflex and dot below
};

}  // namespace

std::span<const AnselCharacter> AnselSpacingCodePoints() {
  return kSpacing;
}

std::span<const AnselCharacter> AnselMarkCodePoints() {
  return kMarks;
}

std::span<const CombiningMark> AnselCombiningClasses() {
  return kCombiningClasses;
}

std::span<const MarkComposition> AnselDecompositions() {
  return kDecompositions;
}

std::span<const MarkComposition> AnselCompositions() {
  return kCompositions;
}

}  // namespace kinshelf
