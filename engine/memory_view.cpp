#include "engine/memory_view.h"

#include <string>

#include "engine/memory_slots.h"
#include "platform/services.h"

namespace tallyx {
namespace {

constexpr const wchar_t* kMemoryViewCaption = L"Tallyx Memory";

}  // namespace

void ShowMemoryView(MemorySlots& memories, bool advancedMemory)
{
    const std::wstring text = memories.ViewText(advancedMemory);
    if (!text.empty()) {
        Platform().notifier->ShowMessage(text, kMemoryViewCaption, NotifierIcon::None, NotifierButtons::Ok);
    }
}

}  // namespace tallyx
