#pragma once
#include <string>

// A document of the game: under the registered installation folder (read afresh, so that an
// installation made while the launcher is open counts), else relative to the current folder.
std::string LocateDocument(const std::string& relativePath);
