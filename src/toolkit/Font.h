#pragma once
#include <QFont>

namespace tk {

// A font as the layouts name it: face, size in points, weight (400 or 700).
struct FontDesign {
    const char* face = "MS Sans Serif";
    float points = 8.25f;
    int weight = 700;
};

inline constexpr FontDesign SansBold{"MS Sans Serif", 8.25f, 700};
inline constexpr FontDesign SansRegular{"MS Sans Serif", 8.25f, 400};

// Faces the layouts were designed with are not on Linux; they are drawn
// with metric-compatible faces at the same size and weight.
QFont makeFont(const FontDesign& design);

// The same font drawn scale times as large.
QFont zoomed(const QFont& font, qreal scale);

} // namespace tk
