// The settings-store reader on arbitrary bytes: the text loads or is refused,
// and what loads, written back and read again, gives every value unchanged
// and drops nothing, so a store set aside once is not set aside again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/registry_text.h"

namespace {

bool SameValues(const tallyx::RegistryData& left, const tallyx::RegistryData& right)
{
    if (left.Keys().size() != right.Keys().size()) {
        return false;
    }
    for (const auto& [lowered, key] : left.Keys()) {
        const auto other = right.Keys().find(lowered);
        if (other == right.Keys().end() || other->second.path != key.path ||
            other->second.values.size() != key.values.size()) {
            return false;
        }
        for (const auto& [loweredName, entry] : key.values) {
            const auto& [name, value] = entry;
            const tallyx::RegistryData::Value* reread = right.Find(key.path, name);
            if (!reread || reread->type != value.type || reread->bytes != value.bytes) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto reading = tallyx::ParseRegistryText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!reading) {
        return 0;
    }
    const auto reread = tallyx::ParseRegistryText(tallyx::FormatRegistryText(reading->data));
    if (!reread || !reread->droppedValues.empty() || !SameValues(reading->data, reread->data)) {
        std::abort();
    }
    return 0;
}
