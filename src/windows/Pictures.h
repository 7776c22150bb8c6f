#pragma once

// The pictures of the windows, compiled into the program.
namespace pictures {

inline constexpr const char* Empty = ":/pictures/empty.png";
inline constexpr const char* BoardIcon = ":/pictures/board.png";
inline constexpr const char* AboutIcon = ":/pictures/about.png";
// The palette peg of colour i, 0 <= i <= 15.
inline constexpr const char* Pegs[16] = {
    ":/pictures/peg00.png", ":/pictures/peg01.png", ":/pictures/peg02.png", ":/pictures/peg03.png",
    ":/pictures/peg04.png", ":/pictures/peg05.png", ":/pictures/peg06.png", ":/pictures/peg07.png",
    ":/pictures/peg08.png", ":/pictures/peg09.png", ":/pictures/peg10.png", ":/pictures/peg11.png",
    ":/pictures/peg12.png", ":/pictures/peg13.png", ":/pictures/peg14.png", ":/pictures/peg15.png",
};

} // namespace pictures
