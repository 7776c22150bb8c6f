#pragma once
#include <QPixmap>
#include <array>

// The pictures a board shows in its palette, slots and answer: each colour's
// peg, plain and with its mark, and the empty slot.
class Pegs {
public:
    Pegs();
    // colour 0..15, or any other value for the empty slot.
    const QPixmap& of(int colour, bool marked) const;

private:
    std::array<QPixmap, 16> plain_;
    mutable std::array<QPixmap, 16> marked_;  // drawn on first use: most games are played without
    QPixmap empty_;
};
