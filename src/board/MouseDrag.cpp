#include "BoardWindow.h"

#include "toolkit/Image.h"

#include <cmath>

// A press shows the drag image over what was pressed, and, while the left
// button alone is held, it follows the pointer with the grab point under
// it; the left button's release drops it. The pressed control keeps the
// pointer until then, wherever it goes: Qt's implicit grab.

namespace {
// Whole twips, a half going to the even neighbour (the default rounding mode).
int wholeTwips(float x)
{
    return int(std::nearbyint(x));
}
} // namespace

void BoardWindow::startDrag(float left, float top, int picture, const tk::Pointer& p)
{
    drag_ = {true, left, top, picture, wholeTwips(p.x), wholeTwips(p.y), drag_.pressedPicture};
    dragImage_->raise();
    renderDragImage();
}

void BoardWindow::followPointer(float left, float top, const tk::Pointer& p)
{
    drag_.left = left + p.x - float(drag_.grabX);
    drag_.top = top + p.y - float(drag_.grabY);
    renderDragImage();
}

int BoardWindow::dropDragImage()
{
    // The drop point is where the last handled move left the drag image, not
    // where the button was released.
    const float x = float(drag_.grabX) + drag_.left, y = float(drag_.grabY) + drag_.top;
    drag_.shown = false;
    drag_.grabX = drag_.grabY = 0;
    renderDragImage();
    // Strictly inside a slot's box, as large as the slot was left; where
    // boxes overlap, the first slot of the try wins.
    for (int p = 0; p < game_.positions(); ++p) {
        const int k = slotNumber(game_.currentTry(), p);
        const QRectF box = slotBox(k);
        if (box.left() < x && x < box.right() && box.top() < y && y < box.bottom())
            return k;
    }
    return -1;
}

void BoardWindow::pressColour(int colour, const tk::Pointer& p)
{
    startDrag(paletteLeft(colour), paletteTop_, colour, p);
}

void BoardWindow::moveColour(int colour, const tk::Pointer& p)
{
    if (p.button == tk::LeftButton)
        followPointer(paletteLeft(colour), paletteTop_, p);
}

void BoardWindow::releaseColour(int colour, const tk::Pointer& p)
{
    if (p.button != tk::LeftButton)
        return;  // any other button leaves the drag image showing where it is
    if (const int k = dropDragImage(); k >= 0)
        placeColour(colour, k);
}

void BoardWindow::pushDragImage(const tk::Pointer& p)
{
    // Only a drag image left showing is pressed itself: it follows by its top-left corner.
    if (p.button != tk::LeftButton)
        return;
    drag_.left += p.x;
    drag_.top += p.y;
    renderDragImage();
}

void BoardWindow::pressSlot(int k, const tk::Pointer& p)
{
    if (!isSlot(k) || game_.colourIn(slotAt(k)) == game::NoColour)
        return;
    // The slot shows empty while its colour is carried, at its picture's
    // size; it holds the colour all the same.
    Look& look = looks_[std::size_t(k)];
    startDrag(slotLeft(k), slotTop(k), look.shows, p);
    drag_.pressedPicture = look.shows;
    look = {game::NoColour, true};
    renderSlots();
}

void BoardWindow::moveSlot(int k, const tk::Pointer& p)
{
    if (isSlot(k) && drag_.shown && p.button == tk::LeftButton)
        followPointer(slotLeft(k), slotTop(k), p);
}

void BoardWindow::releaseSlot(int k, const tk::Pointer& p)
{
    if (p.button != tk::LeftButton || !isSlot(k) || game_.colourIn(slotAt(k)) == game::NoColour)
        return;
    if (const int to = dropDragImage(); to >= 0)
        return moveSlotColour(k, to, {drag_.picture, drag_.pressedPicture});
    // Dropped anywhere else: the colour is given back, the slot left at its picture's size.
    looks_[std::size_t(k)] = {drag_.pressedPicture, true};
    renderSlots();
}

void BoardWindow::doubleClickSlot(int k)
{
    // The press of the double-click lifted the slot's picture, which goes into the slot filled.
    copyToFirstEmpty(k, {drag_.picture, drag_.pressedPicture});
}
