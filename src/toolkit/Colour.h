#pragma once
#include <QColor>
#include <cstdint>

namespace tk {

// A colour value: RGB with red in the low byte, or, with the top bit set, a
// desktop colour named by the index in the low byte. Desktop colours follow
// the user's palette, so they are resolved when drawn, not when stored.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b)
{
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

inline constexpr Colour SystemColour = 0x80000000u;  // the top bit

constexpr bool isSystemColour(Colour c)
{
    return (c & SystemColour) != 0;
}

inline constexpr Colour WindowText = SystemColour | 0x08;
inline constexpr Colour ButtonFace = SystemColour | 0x0F;
inline constexpr Colour ButtonShadow = SystemColour | 0x10;
inline constexpr Colour ButtonText = SystemColour | 0x12;
inline constexpr Colour Highlight3D = SystemColour | 0x14;

QColor toQColor(Colour c);

} // namespace tk
