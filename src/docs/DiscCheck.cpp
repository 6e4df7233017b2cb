#include "DiscCheck.h"

#include "InsertDiscMessage.h"

#include <windows.h>

namespace {

bool IsOrdinaryFile(const WIN32_FIND_DATAW& found)
{
    return (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN)) == 0;
}

} // namespace

int CheckFileOnDisc(const WideString& pattern, std::vector<WideString>* foundNames, bool quiet)
{
    if (foundNames != nullptr)
        foundNames->clear();

    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        // Only the first match counts: the file system's order decides.
        const bool present = IsOrdinaryFile(found);
        if (present && foundNames != nullptr)
            foundNames->push_back(found.cFileName);
        FindClose(search);
        if (present)
            return 0;
    }
    if (!quiet)
        ShowInsertDiscMessage();
    return 1;
}

int ListFiles(const WideString& pattern, std::vector<WideString>& foundNames)
{
    foundNames.clear();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            foundNames.push_back(found.cFileName);
            ++count;
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}
