#pragma once
#include "toolkit/Picture.h"

// The pictures of the windows, compiled into the program.
namespace pictures {

inline constexpr const char* Empty = ":/pictures/empty.png";
inline constexpr const char* BoardIcon = ":/pictures/board.png";
inline constexpr const char* AboutIcon = ":/pictures/about.png";
// The palette peg of colour i, 0 <= i <= 15.
const char* peg(int i);
// The name of colour i as the player knows it: "red", "navy".
QString colourName(int i);

} // namespace pictures
