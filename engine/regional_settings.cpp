#include "engine/regional_settings.h"

namespace tallyx {

RegionalSettings ReadProcessRegionalSettings()
{
    return {};
}

}  // namespace tallyx
