#include "app/mode_panels/panel_key_sound.h"

#include "app/keypad_settings.h"

namespace tallyx {

void PanelKeySound::Play(const PanelContext& context)
{
    sound_.Play(context.settings ? context.settings->playSounds : SoundOff);
}

}  // namespace tallyx
