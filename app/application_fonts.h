#pragma once

namespace tallyx {

// Makes "Tahoma" available to the drawing code: Wine's compatible face when
// fontconfig has no Tahoma, and DejaVu Sans standing in when neither is there.
void InstallApplicationFonts();

}  // namespace tallyx
