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

inline constexpr Colour WindowText = 0x80000008u;
inline constexpr Colour ButtonFace = 0x8000000Fu;
inline constexpr Colour ButtonShadow = 0x80000010u;
inline constexpr Colour ButtonText = 0x80000012u;
inline constexpr Colour Highlight3D = 0x80000014u;

QColor toQColor(Colour c);

} // namespace tk
