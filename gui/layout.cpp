#include "gui/layout.h"

#include <algorithm>

namespace gui {

namespace {

// value * numerator / denominator, rounded to the nearest pixel as the window system does.
int MulDiv(int value, int numerator, int denominator) {
    return (2 * value * numerator + denominator) / (2 * denominator);
}

// Along one axis: a control following both edges grows, one following only the far edge moves.
void FollowAxis(unsigned anchor, unsigned low, unsigned high, int grown, int &pos, int &size) {
    if ((anchor & high) == 0) return;
    if (anchor & low)
        size += grown;
    else
        pos += grown;
}

} // namespace

Rect DialogUnitsToPixels(const res::Rect &rect, BaseUnits units) {
    return {MulDiv(rect.x, units.x, 4), MulDiv(rect.y, units.y, 8), MulDiv(rect.width, units.x, 4),
            MulDiv(rect.height, units.y, 8)};
}

Rect Follow(const Rect &place, unsigned anchor, int grownX, int grownY) {
    Rect result = place;
    FollowAxis(anchor, res::kAnchorLeft, res::kAnchorRight, std::max(grownX, 0), result.x,
               result.width);
    FollowAxis(anchor, res::kAnchorTop, res::kAnchorBottom, std::max(grownY, 0), result.y,
               result.height);
    return result;
}

} // namespace gui
