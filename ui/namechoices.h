#pragma once
// Combo boxes whose items show the mod's names beside the IDs ("Americans America") but hold the
// ID itself: the trigger window's 指定国家 and 条件单位, the team window's 所属国家.

#include "core/modnames.h"
#include "gui/controls.h"

#include <string>

// Choosing an item puts its ID into the box.
inline void TakeIdOnChoosing(gui::ComboBox *box) {
    box->setOnChosen([box](int item) { box->setText(ChoiceId(box->itemText(item))); });
}

// What the box holds: its text, or the ID of the item whose whole text it is (as completing a
// typed ID may leave it). Only a text with a blank is looked up among the items.
inline std::u16string IdInBox(const gui::ComboBox *box) {
    const std::u16string text = box->text();
    if (text.find(u' ') == std::u16string::npos) return text;
    for (int i = 0; i < box->itemCount(); ++i)
        if (box->itemText(i) == text) return ChoiceId(text);
    return text;
}
