#pragma once
#include <QPixmap>

// A shape on every peg, for players who cannot tell some colours apart.
namespace marks {

// The peg of colour i (0..15) with its colour's mark in the middle of its
// face, black or white, whichever stands out more.
QPixmap marked(const QPixmap& peg, int colour);
// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(QRgb a, QRgb b);

} // namespace marks
