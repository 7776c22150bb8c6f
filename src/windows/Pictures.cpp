#include "Pictures.h"

#include <QCoreApplication>
#include <QImage>
#include <cmath>

namespace pictures {

namespace {

constexpr int MarkSize = 12;

// Each colour's mark, by colour number: one shape per colour, none a turn,
// a mirror image or a small shift of another, so that pegs are told apart
// without seeing their colour.
constexpr const char* marks[16][MarkSize] = {
    {  // magenta: star
        ".....##.....",
        ".....##.....",
        "....####....",
        "....####....",
        "############",
        ".##########.",
        "..########..",
        "...######...",
        "...######...",
        "..###..###..",
        "..##....##..",
        ".##......##.",
    },
    {  // blue: ring
        "....####....",
        "..########..",
        ".###....###.",
        ".##......##.",
        "##........##",
        "##........##",
        "##........##",
        "##........##",
        ".##......##.",
        ".###....###.",
        "..########..",
        "....####....",
    },
    {  // cyan: dots
        "............",
        ".####..####.",
        ".####..####.",
        ".####..####.",
        ".####..####.",
        "............",
        "............",
        ".####..####.",
        ".####..####.",
        ".####..####.",
        ".####..####.",
        "............",
    },
    {  // bright green: plus
        ".....##.....",
        ".....##.....",
        ".....##.....",
        ".....##.....",
        ".....##.....",
        "############",
        "############",
        ".....##.....",
        ".....##.....",
        ".....##.....",
        ".....##.....",
        ".....##.....",
    },
    {  // yellow: disc
        "....####....",
        "..########..",
        ".##########.",
        ".##########.",
        "############",
        "############",
        "############",
        "############",
        ".##########.",
        ".##########.",
        "..########..",
        "....####....",
    },
    {  // red: heart
        ".###....###.",
        "#####..#####",
        "############",
        "############",
        "############",
        "############",
        ".##########.",
        "..########..",
        "...######...",
        "....####....",
        ".....##.....",
        "............",
    },
    {  // purple: diamond
        ".....##.....",
        "....####....",
        "...######...",
        "..########..",
        ".##########.",
        "############",
        "############",
        ".##########.",
        "..########..",
        "...######...",
        "....####....",
        ".....##.....",
    },
    {  // navy: moon
        "...#####....",
        ".#####......",
        ".####.......",
        "####........",
        "####........",
        "####........",
        "####........",
        "####........",
        "####........",
        ".####.......",
        ".#####......",
        "...#####....",
    },
    {  // teal: hash
        "...##..##...",
        "...##..##...",
        "############",
        "############",
        "...##..##...",
        "...##..##...",
        "...##..##...",
        "...##..##...",
        "############",
        "############",
        "...##..##...",
        "...##..##...",
    },
    {  // dark green: triangle
        ".....##.....",
        ".....##.....",
        "....####....",
        "....####....",
        "...######...",
        "...######...",
        "..########..",
        "..########..",
        ".##########.",
        ".##########.",
        "############",
        "############",
    },
    {  // olive: square
        "############",
        "############",
        "##........##",
        "##........##",
        "##........##",
        "##........##",
        "##........##",
        "##........##",
        "##........##",
        "##........##",
        "############",
        "############",
    },
    {  // maroon: cross
        "##........##",
        "###......###",
        ".###....###.",
        "..###..###..",
        "...######...",
        "....####....",
        "....####....",
        "...######...",
        "..###..###..",
        ".###....###.",
        "###......###",
        "##........##",
    },
    {  // black: checker
        "######......",
        "######......",
        "######......",
        "######......",
        "######......",
        "######......",
        "......######",
        "......######",
        "......######",
        "......######",
        "......######",
        "......######",
    },
    {  // grey: equals
        "............",
        "............",
        "############",
        "############",
        "############",
        "............",
        "............",
        "############",
        "############",
        "############",
        "............",
        "............",
    },
    {  // silver: hourglass
        "############",
        ".##########.",
        "..########..",
        "...######...",
        "....####....",
        ".....##.....",
        ".....##.....",
        "....####....",
        "...######...",
        "..########..",
        ".##########.",
        "############",
    },
    {  // white: bar
        "............",
        "............",
        "............",
        "............",
        "############",
        "############",
        "############",
        "############",
        "............",
        "............",
        "............",
        "............",
    },
};

// The middle of a peg's face, where its mark goes: the face runs from
// pixel 2 to pixel 19 of the 23-pixel peg, between its highlight and shadow.
constexpr int MarkLeft = 5, MarkTop = 5, FaceMiddle = 10;

// The relative luminance of a colour, as contrast ratios are reckoned.
double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

} // namespace

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

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPixmap withMark(const QString& resource, const QPixmap& plain)
{
    int colour = 0;
    while (colour < 16 && resource != QLatin1String(peg(colour)))
        ++colour;
    if (colour == 16)
        return {};
    // Pixel art like the peg itself, so it scales with it, crisp at whole zooms.
    QImage image = plain.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb fill = image.pixel(FaceMiddle, FaceMiddle);
    const QRgb ink = contrast(fill, qRgb(0, 0, 0)) >= contrast(fill, qRgb(255, 255, 255)) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    for (int y = 0; y < MarkSize; ++y)
        for (int x = 0; x < MarkSize; ++x)
            if (marks[colour][y][x] == '#')
                image.setPixel(MarkLeft + x, MarkTop + y, ink);
    return QPixmap::fromImage(image);
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
