#pragma once
#include "../framework/Text.h"

#include <vector>

// 0 when the pattern's first match is an ordinary file (its name then put into foundNames),
// 1 when it is missing, a folder or hidden; unless quiet, the insert-disc message is shown then.
int CheckFileOnDisc(const WideString& pattern, std::vector<WideString>* foundNames, bool quiet);

// The names of the files (not folders) matching the pattern and their count, or -1 when
// nothing at all matches.
int ListFiles(const WideString& pattern, std::vector<WideString>& foundNames);
