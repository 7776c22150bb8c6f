#include "Pegs.h"
#include "Marks.h"
#include "Pictures.h"

Pegs::Pegs() : empty_(QString::fromLatin1(pictures::Empty))
{
    for (std::size_t c = 0; c < plain_.size(); ++c)
        plain_[c] = QPixmap(QString::fromLatin1(pictures::Pegs[c]));
}

const QPixmap& Pegs::of(int colour, bool marked) const
{
    if (colour < 0 || colour >= int(plain_.size()))
        return empty_;
    const auto c = std::size_t(colour);
    if (!marked)
        return plain_[c];
    if (marked_[c].isNull())
        marked_[c] = marks::marked(plain_[c], colour);
    return marked_[c];
}
