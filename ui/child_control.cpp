#include "ui/child_control.h"

namespace tallyx {

std::wstring_view ControlKindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit: return L"edit";
    case ControlKind::DropDown: return L"dropdown";
    case ControlKind::ListView: return L"listview";
    case ControlKind::Date: return L"date";
    case ControlKind::Time: return L"time";
    }
    return L"";
}

}  // namespace tallyx
