#pragma once
// The line the task force window's 插入成员 box adds.

#include "core/entrytext.h"

#include <string>
#include <string_view>

// The field text with the member line "N=1,TYPE" after the line at `caretLine`, as
// InsertNumberedLine adds it; `column` is where its count begins.
InsertedNumberedLine InsertTaskForceMember(std::u16string_view fieldText, int caretLine,
                                           std::string_view type);
