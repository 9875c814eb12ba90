#pragma once
// Where a template's controls go in pixels, the same on every backend: dialog units from the
// dialog font's base units, and the window edges each control follows when the window grows.

#include "gui/system.h"
#include "res/resources.h"

namespace gui {

// The font's base units: the average width of a Latin letter and the character height, in
// pixels. A dialog unit is a quarter of the first horizontally and an eighth of the second
// vertically.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

Rect DialogUnitsToPixels(const res::Rect &rect, BaseUnits units);

// The place of a control whose template place is `place` (pixels) when the client area is
// `grownX` and `grownY` pixels larger than the template's (never less than 0): following left and
// right (or top and bottom) stretches it, following only right (or bottom) moves it.
Rect Follow(const Rect &place, unsigned anchor, int grownX, int grownY);

} // namespace gui
