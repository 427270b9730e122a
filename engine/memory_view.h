#pragma once

namespace tallyx {

class MemorySlots;

// The memories in a message titled "Tallyx Memory", their values in the
// current base: every slot with advanced memory, otherwise the plain memory
// when it is in use. Nothing is shown when there is nothing to list.
void ShowMemoryView(MemorySlots& memories, bool advancedMemory);

}  // namespace tallyx
