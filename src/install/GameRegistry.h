#pragma once
// Where the game's installer registers the game.
#include "GameProfile.h"

constexpr char kGameKey[] = GAME_REGISTRY_KEY;
// The same key as a 32-bit program sees it redirected on 64-bit Windows.
constexpr char kGameKeyWow64[] = GAME_REGISTRY_KEY_WOW64;
constexpr char kPathValue[] = GAME_PATH_VALUE;
constexpr char kAppFileValue[] = GAME_APP_FILE_VALUE;
// The game's executable relative to the launcher's folder, when none is registered.
constexpr char kDefaultAppFile[] = GAME_DEFAULT_APP_FILE;
