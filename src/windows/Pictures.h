#pragma once
#include "toolkit/Picture.h"

// The pictures of the windows, compiled into the program.
namespace pictures {

inline constexpr const char* Empty = ":/pictures/empty.png";
inline constexpr const char* BoardIcon = ":/pictures/board.png";
inline constexpr const char* AboutIcon = ":/pictures/about.png";
// The palette peg of colour i, 0 <= i <= 15.
const char* peg(int i);
// The peg of a resource among them with its colour's mark in the middle of
// its face, black or white, whichever stands out more; null for any other
// picture. The toolkit's marker (tk::Picture::setMarker).
QPixmap withMark(const QString& resource, const QPixmap& plain);
// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(QRgb a, QRgb b);
// The name of colour i as the player knows it: "red", "navy".
QString colourName(int i);

} // namespace pictures
