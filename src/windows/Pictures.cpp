#include "Pictures.h"

namespace pictures {

const char* peg(int i)
{
    static constexpr const char* pegs[16] = {
        ":/pictures/peg00.png", ":/pictures/peg01.png", ":/pictures/peg02.png", ":/pictures/peg03.png",
        ":/pictures/peg04.png", ":/pictures/peg05.png", ":/pictures/peg06.png", ":/pictures/peg07.png",
        ":/pictures/peg08.png", ":/pictures/peg09.png", ":/pictures/peg10.png", ":/pictures/peg11.png",
        ":/pictures/peg12.png", ":/pictures/peg13.png", ":/pictures/peg14.png", ":/pictures/peg15.png",
    };
    return pegs[i];
}

QString colourName(int i)
{
    static constexpr const char* names[16] = {
        "magenta", "blue", "cyan", "bright green", "yellow", "red", "purple", "navy",
        "teal", "dark green", "olive", "maroon", "black", "grey", "silver", "white",
    };
    return i >= 0 && i < 16 ? QString::fromLatin1(names[i]) : QString();
}

} // namespace pictures
