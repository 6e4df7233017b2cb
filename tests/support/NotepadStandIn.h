#pragma once
// Notepad stands in the system folder; while this object lives, the (disposable) prefix's copy
// is replaced by a recorder, and Wine is told to run that file rather than its builtin Notepad.
#include <string>

class NotepadStandIn
{
public:
    NotepadStandIn();
    ~NotepadStandIn();
    NotepadStandIn(const NotepadStandIn&) = delete;
    NotepadStandIn& operator=(const NotepadStandIn&) = delete;

    const std::wstring& Path() const { return m_notepad; }

private:
    std::wstring m_notepad;
};
