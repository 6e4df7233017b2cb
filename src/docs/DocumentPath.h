#pragma once
#include "../framework/Text.h"

#include <string>

// A document of the game: under the registered installation folder (read afresh, so that an
// installation made while the launcher is open counts), else relative to the current folder.
// The folder keeps the meaning of the system's code page, the document's name that of the
// game's (Text.h), so the two are joined in UTF-16.
WideString LocateDocument(const std::string& relativePath);

// The path under the registered installation folder; empty when none is registered.
WideString InInstallation(const WideString& relativePath);

// The path made full from the launcher's current folder, the disc's root: the shell resolves a
// relative one against whatever folder it starts the program in.
WideString FullPath(const WideString& relativePath);

// The path on the disc: under the launcher's own folder, whatever the current folder is (Play
// moves into the installation; a shortcut may start the launcher anywhere).
WideString OnDisc(const WideString& relativePath);
