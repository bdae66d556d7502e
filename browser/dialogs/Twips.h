#pragma once

// Window layouts are drawn in twips (1/1440 inch); the screen has 15 twips
// per device-independent pixel at the usual 96 dots per inch.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}
