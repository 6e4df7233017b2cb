#pragma once
// The user's locale as two codes, and the things the launcher localizes by them.
#include <string>

// Two-letter language ("de") and country ("US") of the user's locale; "en" and "US" when the
// language cannot be read in two letters, an empty country when only the country cannot.
void ReadUserLocale(std::string& language, std::string& country);

std::string GetGameTitle(std::string language);

// The manual's path relative to the disc or the installation folder.
std::string SelectManualFile(const std::string& language, const std::string& country);
