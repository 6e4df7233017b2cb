#pragma once
// Where the game's installer registers the game.

constexpr char kGameKey[] = "Software\\Halvorn\\Zentrava Kelvane 2";
// The same key as a 32-bit program sees it redirected on 64-bit Windows.
constexpr char kGameKeyWow64[] = "Software\\Wow6432Node\\Halvorn\\Zentrava Kelvane 2\\";
constexpr char kPathValue[] = "Path";
constexpr char kAppFileValue[] = "AppFile";
// The game's executable relative to the launcher's folder, when none is registered.
constexpr char kDefaultAppFile[] = "bin\\Tarvok2.exe";
