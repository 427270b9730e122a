// Any text given as the constants library: reading every level, taking
// values and adding favourites must neither crash nor read outside the text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "convert/constants_db.h"
#include "platform/memory_registry.h"
#include "platform/services.h"

namespace {

constexpr int kFavouritesTried = 16;

void Visit(tallyx::ConstantsDb& db, int level, int& favourites)
{
    for (int index = 0; index < db.GetCount(level); ++index) {
        db.GetName(level, index);
        if (db.IsConstant(level, index)) {
            db.GetValue(level, index);
            if (favourites++ < kFavouritesTried) {
                db.AddFavourite();
            }
        } else if (db.Select(level, index) == tallyx::StatusOk) {
            db.GetSelectedName(level);
            Visit(db, level + 1, favourites);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tallyx::MemoryRegistry registry;
    tallyx::PlatformServices services = tallyx::Platform();
    services.registry = &registry;
    tallyx::ScopedPlatform platform(services);

    tallyx::ConstantsDb db;
    db.MapText(std::string_view(reinterpret_cast<const char*>(data), size));
    int favourites = 0;
    Visit(db, 0, favourites);
    tallyx::ConstantsDb reloaded;
    for (int index = 0; index < reloaded.GetFavouriteCount(); ++index) {
        reloaded.GetFavouritePath(index);
    }
    return 0;
}
