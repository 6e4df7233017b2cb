#pragma once
// The column's buttons top to bottom, as the game's profile lists them: what each one shows in
// either state of the game, and what it does.
#include "Language.h"

#include <cstddef>
#include <string>

// Decided once at start, by the same lookup that puts Play or Install on top.
enum GameState
{
    STATE_INSTALLED,
    STATE_NOT_INSTALLED,
    STATE_COUNT
};

enum MenuAction
{
    ACTION_PLAY, // Play when installed, Install when not
    ACTION_MANUAL,
    ACTION_README,
    ACTION_WEB,
    ACTION_EXIT,
    ACTION_UNINSTALL,
    ACTION_PROGRAM,
    ACTION_DOCUMENT,
    ACTION_LINK,
    ACTION_EXPLORE,
    ACTION_VERIFY // shown only by a launcher that carries its disc's list of files
};

// Texts by language; the entry of the code "" stands in for every language without its own.
struct LanguageTexts
{
    const WideLanguageEntry* entries;
    size_t count;
};

// The language's text, else the stand-in's; empty when there is neither.
const wchar_t* TextFor(const LanguageTexts& texts, const std::string& language);

// What a button shows in one state of the game; no pictures where it is not shown then.
struct ButtonFace
{
    const char* pictures; // the base name of its picture set
    LanguageTexts names;
    LanguageTexts descriptions;
};

struct MenuEntry
{
    MenuAction action;
    ButtonFace faces[STATE_COUNT];
    // The program, document, address, uninstaller's key or folder, by language.
    LanguageTexts targets;
    const wchar_t* parameters;
    bool closesLauncher; // once what it started runs
};

extern const MenuEntry kGameMenu[];
extern const size_t kGameMenuSize;

// At most this many buttons show in one state.
constexpr int kMaxColumnButtons = 9;
