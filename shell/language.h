#pragma once

namespace Zyntra {

// The language the program speaks: the desktop's (German where it asks for
// German, English otherwise), or one chosen. Numbers never follow it.
enum class Language { FollowDesktop, English, German };

Language language();
// Installs the catalogue the language needs, or none for English; every
// window then hears of the change and says its texts again.
void setLanguage(Language language);
// Whether the windows now speak German.
bool speaksGerman();

} // namespace Zyntra
