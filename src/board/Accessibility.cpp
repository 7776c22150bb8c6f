#include "GameBoard.h"

#include "toolkit/Tags.h"
#include "windows/Pictures.h"

namespace {
QString colourOrEmpty(const QString& tag)
{
    const int c = tk::val(tag);
    return c < 0 ? QStringLiteral("empty") : pictures::colourName(c);
}
} // namespace

// What a screen reader tells of the board. Every name follows the control's
// Tag, caption or visibility, so that no handler has to announce anything.
void GameBoard::describeControls()
{
    for (Integer i = 0; i < 16; ++i)
        Picture1(i).setAccessibleName(pictures::colourName(i));
    for (Integer p = 0; p < 8; ++p) {
        tk::Image& peg = answer(p);
        peg.describe = [&peg, p] {
            return QStringLiteral("answer, position %1: %2")
                .arg(p + 1)
                .arg(peg.Visible() ? colourOrEmpty(peg.Tag()) : QStringLiteral("hidden"));
        };
    }
    for (Integer t = 0; t < 10; ++t) {
        tk::Label& colours = NoCorCol(t);
        tk::Label& positions = NoCorpos(t);
        colours.describe = [&colours, t] {
            return QStringLiteral("try %1: %2 correct colors").arg(t + 1).arg(colours.caption());
        };
        positions.describe = [&positions, t] {
            return QStringLiteral("try %1: %2 correct positions").arg(t + 1).arg(positions.caption());
        };
    }
    MaxColors->describe = [this] { return QStringLiteral("colors: %1").arg(MaxColors->caption()); };
    Maxpositions->describe = [this] { return QStringLiteral("positions: %1").arg(Maxpositions->caption()); };
    const QString selectorUse = QStringLiteral("release the left mouse button to raise, the right button to lower");
    MaxColors->setAccessibleDescription(selectorUse);
    Maxpositions->setAccessibleDescription(selectorUse);
    DragColor->setAccessibleName(QStringLiteral("colour being dragged"));
}

void GameBoard::describeSlot(Integer k, tk::Image& slot)
{
    slot.describe = [this, k, &slot] {
        const int P = MaxPosition + 1;
        return QStringLiteral("try %1, position %2: %3").arg(k / P + 1).arg(k % P + 1).arg(colourOrEmpty(slot.Tag()));
    };
}
