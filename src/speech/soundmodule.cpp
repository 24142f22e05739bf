// SPDX-License-Identifier: MIT
// The sound module's one entry: the program loads it with loadSoundBackend().
#include "soundbackend.h"

extern "C" Q_DECL_EXPORT wortilo::SoundBackend *wortiloMakeSoundBackend()
{
    return wortilo::makeSoundBackend().release();
}
