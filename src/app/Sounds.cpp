#include "Sounds.h"

#include "../framework/SystemLibrary.h"

#include <mmsystem.h>

namespace {

constexpr wchar_t kSoundType[] = L"WAVE";
constexpr const wchar_t* kSoundNames[] = {L"SOUND_HOVER", L"SOUND_PRESS", L"SOUND_OPENING"};

bool IsScreenReaderRunning()
{
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

} // namespace

bool CSounds::Has(LauncherSound sound) const
{
    return FindResourceW(GetModuleHandleW(nullptr), kSoundNames[sound], kSoundType) != nullptr;
}

void CSounds::Play(LauncherSound sound)
{
    if (m_muted || !Has(sound) || IsScreenReaderRunning())
        return;
    m_played = true;
    winmm::PlaySoundW(kSoundNames[sound], GetModuleHandleW(nullptr),
                      SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

void CSounds::ToggleMuted()
{
    m_muted = !m_muted;
    if (m_muted && m_played)
        winmm::PlaySoundW(nullptr, nullptr, 0);
}
