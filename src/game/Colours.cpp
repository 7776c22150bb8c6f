#include "Colours.h"

#include <QCoreApplication>

namespace game {

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

} // namespace game
