#pragma once
// The game's sounds: a button lit, a button pressed, the window's opening. Each is a WAV the
// program carries (when the game's profile gives one), played without waiting, through the
// system's multimedia library.
#include <windows.h>

enum LauncherSound
{
    SOUND_HOVER,
    SOUND_PRESS,
    SOUND_OPENING
};

class CSounds
{
public:
    // Starts the sound, stopping any other. Nothing while the player has switched sounds off,
    // while Windows reports a screen reader (whose speech they would cover), or when the game
    // has no such sound.
    void Play(LauncherSound sound);
    bool Has(LauncherSound sound) const;
    // Off for the rest of the run, or on again; switching off silences what plays.
    void ToggleMuted();
    // Waits, at most LONGEST milliseconds, for the sound playing to end: the process ending
    // would cut it short.
    void LetFinish(DWORD longest) const;

private:
    bool m_muted = false;
    // The last sound started: when, and for how long it plays (0: none, or silenced).
    DWORD m_startedAt = 0;
    DWORD m_length = 0;
};
