#include "Sounds.h"

#include "../framework/ResourceData.h"
#include "../framework/SystemLibrary.h"

#include <mmsystem.h>

#include <cstring>

namespace {

constexpr wchar_t kSoundType[] = L"WAVE";
constexpr const wchar_t* kSoundNames[] = {L"SOUND_HOVER", L"SOUND_PRESS", L"SOUND_OPENING"};

bool IsScreenReaderRunning()
{
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

// What the device takes beyond the samples' own length: opening, buffering, draining.
constexpr DWORD kPlaybackLatency = 250;

struct ChunkHeader
{
    char id[4];
    DWORD size;
};

// How long the WAV plays, in milliseconds; 0 for one whose chunks do not say.
DWORD WaveLength(const BYTE* wave, DWORD size)
{
    DWORD bytesPerSecond = 0, samples = 0;
    for (DWORD at = 12; at + sizeof(ChunkHeader) <= size;) {
        ChunkHeader chunk;
        CopyMemory(&chunk, wave + at, sizeof(chunk));
        const DWORD body = at + sizeof(chunk);
        if (memcmp(chunk.id, "fmt ", 4) == 0 && body + 12 <= size)
            CopyMemory(&bytesPerSecond, wave + body + 8, sizeof(bytesPerSecond));
        else if (memcmp(chunk.id, "data", 4) == 0)
            samples = chunk.size;
        if (chunk.size > size - body)
            break;
        at = body + chunk.size + (chunk.size & 1);
    }
    return bytesPerSecond == 0 ? 0 : static_cast<DWORD>(samples * 1000ULL / bytesPerSecond);
}

DWORD SoundLength(const wchar_t* name)
{
    const CResourceData wave = FindResourceData(name, kSoundType);
    return wave.bytes == nullptr ? 0 : WaveLength(wave.bytes, wave.length);
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
    if (winmm::PlaySoundW(kSoundNames[sound], GetModuleHandleW(nullptr),
                          SND_RESOURCE | SND_ASYNC | SND_NODEFAULT)) {
        m_startedAt = GetTickCount();
        m_length = SoundLength(kSoundNames[sound]) + kPlaybackLatency;
    }
}

void CSounds::LetFinish(DWORD longest) const
{
    const DWORD played = GetTickCount() - m_startedAt;
    if (played < m_length)
        Sleep(m_length - played < longest ? m_length - played : longest);
}

void CSounds::ToggleMuted()
{
    m_muted = !m_muted;
    if (m_muted && m_length != 0) {
        winmm::PlaySoundW(nullptr, nullptr, 0);
        m_length = 0;
    }
}
