// SPDX-License-Identifier: MIT
#include "soundbackend.h"

#include "core/module.h"

namespace wortilo {

std::unique_ptr<SoundBackend> loadSoundBackend(const QString &modulePath)
{
    using Make = SoundBackend *(*)();
    const auto make = reinterpret_cast<Make>(moduleEntry(modulePath, "wortiloMakeSoundBackend", "words are not said"));
    return std::unique_ptr<SoundBackend>(make ? make() : nullptr);
}

} // namespace wortilo
