#pragma once

#include "app/key_sound.h"
#include "app/panel.h"

namespace tallyx {

// The tick of a mode panel's own keys, at the "Play sounds" setting of the
// context the panel was handed; silent while it has no settings.
class PanelKeySound {
public:
    void Play(const PanelContext& context);

private:
    KeySound sound_;
};

}  // namespace tallyx
