#include "Recording.h"

#include "../../src/framework/PlatformCalls.h"

#include <gtest/gtest.h>

namespace {
Recording* g_recording = nullptr;
} // namespace

Recording::Recording()
    : m_realShellExecute(platform::shellExecute), m_realMessageBox(platform::messageBox)
{
    g_recording = this;
    platform::shellExecute = &FakeShellExecute;
    platform::messageBox = &FakeMessageBox;
}

Recording::~Recording()
{
    platform::shellExecute = m_realShellExecute;
    platform::messageBox = m_realMessageBox;
    g_recording = nullptr;
}

HINSTANCE WINAPI Recording::FakeShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file,
                                             LPCWSTR parameters, LPCWSTR directory, INT show)
{
    EXPECT_EQ(owner, nullptr);
    EXPECT_STREQ(verb, L"open");
    EXPECT_NE(parameters, nullptr) << "parameters must never be a null pointer";
    EXPECT_EQ(directory, nullptr);
    EXPECT_EQ(show, SW_SHOW);
    RecordedCall call{RecordedCall::ShellOpen, file, parameters != nullptr ? parameters : L""};
    g_recording->m_calls.push_back(call);
    const auto answer = g_recording->m_results.find(file);
    const UINT_PTR result =
        answer != g_recording->m_results.end() ? answer->second : g_recording->m_defaultResult;
    return reinterpret_cast<HINSTANCE>(result);
}

int WINAPI Recording::FakeMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    RecordedCall call{RecordedCall::MessageBox, L"", L"", text, caption, type, owner};
    g_recording->m_calls.push_back(call);
    return IDOK;
}

std::vector<RecordedCall> Recording::CallsOf(RecordedCall::Kind kind) const
{
    std::vector<RecordedCall> calls;
    for (const RecordedCall& call : m_calls) {
        if (call.kind == kind)
            calls.push_back(call);
    }
    return calls;
}
