#include "Pictures.h"

#include <QCoreApplication>

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
        QT_TRANSLATE_NOOP("Colours", "magenta"), QT_TRANSLATE_NOOP("Colours", "blue"),
        QT_TRANSLATE_NOOP("Colours", "cyan"), QT_TRANSLATE_NOOP("Colours", "bright green"),
        QT_TRANSLATE_NOOP("Colours", "yellow"), QT_TRANSLATE_NOOP("Colours", "red"),
        QT_TRANSLATE_NOOP("Colours", "purple"), QT_TRANSLATE_NOOP("Colours", "navy"),
        QT_TRANSLATE_NOOP("Colours", "teal"), QT_TRANSLATE_NOOP("Colours", "dark green"),
        QT_TRANSLATE_NOOP("Colours", "olive"), QT_TRANSLATE_NOOP("Colours", "maroon"),
        QT_TRANSLATE_NOOP("Colours", "black"), QT_TRANSLATE_NOOP("Colours", "grey"),
        QT_TRANSLATE_NOOP("Colours", "silver"), QT_TRANSLATE_NOOP("Colours", "white"),
    };
    return i >= 0 && i < 16 ? QCoreApplication::translate("Colours", names[i]) : QString();
}

} // namespace pictures
