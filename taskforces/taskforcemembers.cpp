#include "taskforces/taskforcemembers.h"

#include "core/initext.h"

InsertedNumberedLine InsertTaskForceMember(std::u16string_view fieldText, int caretLine,
                                           std::string_view type) {
    return InsertNumberedLine(fieldText, caretLine, u"1," + ToWide(type));
}
