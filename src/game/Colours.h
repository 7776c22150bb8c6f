#pragma once
#include <QString>

namespace game {

// The name of colour i (0..15) as the player knows it, "red", "navy", in the
// language in use; empty for anything else, an empty slot's NoColour included.
QString colourName(int i);

} // namespace game
