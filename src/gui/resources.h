// The compiled-in assets (":/icon.png", ":/splash.png", ":/separator.png",
// ":/japan-map.png", ":/notify.wav"). They live in a static library, so they
// are registered explicitly; calling this more than once is harmless.
#pragma once

namespace mireto {

void InitResources();

}  // namespace mireto
