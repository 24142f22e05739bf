// SPDX-License-Identifier: MIT
#include "soundbackend.h"

#include <QLibrary>
#include <QtDebug>

namespace wortilo {

std::unique_ptr<SoundBackend> loadSoundBackend(const QString &modulePath)
{
    // Never unloaded: the backend's code must stay while the program runs.
    QLibrary module(modulePath);
    using Make = SoundBackend *(*)();
    const auto make = reinterpret_cast<Make>(module.resolve("wortiloMakeSoundBackend"));
    if (!make) {
        qWarning().noquote() << "The sound module cannot be loaded, words are not said:" << module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SoundBackend>(make());
}

} // namespace wortilo
