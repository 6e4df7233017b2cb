#pragma once
// Records what the launcher hands to the shell and to message boxes, in order, in place of the
// real calls, for in-process tests. The shell answers with the result the test chose for the
// file (33, "started", unless told otherwise).
#include "../../src/framework/PlatformCalls.h"

#include <map>
#include <string>
#include <vector>

struct RecordedCall
{
    enum Kind
    {
        ShellOpen,
        MessageBox
    } kind;
    std::wstring file;       // ShellOpen: the file
    std::wstring parameters; // ShellOpen: the parameters (never null)
    std::wstring text;       // MessageBox
    std::wstring caption;    // MessageBox
    UINT type = 0;           // MessageBox
    HWND owner = nullptr;
};

class Recording
{
public:
    Recording();
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    // The shell result for a file; anything not named gets the default, 33 ("started").
    void ShellAnswers(const std::wstring& file, UINT_PTR result) { m_results[file] = result; }
    void ShellAnswersByDefault(UINT_PTR result) { m_defaultResult = result; }

    const std::vector<RecordedCall>& Calls() const { return m_calls; }
    std::vector<RecordedCall> MessageBoxes() const { return CallsOf(RecordedCall::MessageBox); }

private:
    std::vector<RecordedCall> CallsOf(RecordedCall::Kind kind) const;
    static HINSTANCE WINAPI FakeShellExecute(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    static int WINAPI FakeMessageBox(HWND, LPCWSTR, LPCWSTR, UINT);

    platform::ShellExecuteFn m_realShellExecute;
    platform::MessageBoxFn m_realMessageBox;
    std::vector<RecordedCall> m_calls;
    std::map<std::wstring, UINT_PTR> m_results;
    UINT_PTR m_defaultResult = 33;
};
