#include "platform/notifier.h"

#include <cstdio>

#include "platform/wide_text.h"

namespace tallyx {

NotifierAnswer ConsoleNotifier::ShowMessage(const std::wstring& text, const std::wstring& caption, NotifierIcon,
                                            NotifierButtons buttons)
{
    std::fprintf(stderr, "%s: %s\n", NarrowUtf8(caption).c_str(), NarrowUtf8(text).c_str());
    return buttons == NotifierButtons::YesNo || buttons == NotifierButtons::YesNoCancel ? NotifierAnswer::Yes
                                                                                         : NotifierAnswer::Ok;
}

}  // namespace tallyx
