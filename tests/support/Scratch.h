#pragma once
// A fresh folder under the temporary folder, removed with everything in it at the end.
#include <string>

class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    // Full path of a name relative to the folder.
    std::wstring operator/(const std::wstring& relative) const { return m_path + L"\\" + relative; }
    // A path inside the folder of exactly `length` characters, in 100-character steps.
    std::wstring PathOfLength(size_t length) const;

    // Creates the file (and its folders) with the given bytes.
    void WriteFile(const std::wstring& relative, const std::string& content = "x") const;
    void MakeFolder(const std::wstring& relative) const;
    void Hide(const std::wstring& relative) const;
    // Everything in the folder and the folder itself, as on a disc.
    void MakeReadOnly() const;
    void CopyIn(const std::wstring& source, const std::wstring& relative) const;

private:
    std::wstring m_path;
};

// Reads a whole file; empty when it does not exist.
std::string ReadWholeFile(const std::wstring& path);
bool FileExists(const std::wstring& path);

// Sets the current folder for the life of the object.
class CurrentFolder
{
public:
    explicit CurrentFolder(const std::wstring& path);
    ~CurrentFolder();

private:
    std::wstring m_previous;
};
