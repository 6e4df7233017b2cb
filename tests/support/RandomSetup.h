#pragma once
// One random arrangement of the launcher's whole input: the game's and Adobe's registry values
// (good, missing, empty, broken or random bytes), and a disc and an installation folder whose
// documents, programs and installers are there, missing, folders or hidden, the disc read-only
// or not. The generator is seeded by the caller, so every run tries the same arrangements.
#include "Scratch.h"

#include <random>
#include <string>

class RandomSetup
{
public:
    // `program` is copied wherever a program belongs; without one, programs are dummy files.
    RandomSetup(std::mt19937& random, const ScratchFolder& disc, const ScratchFolder& install,
                const std::wstring& program = std::wstring());

    // What was chosen, for failure messages.
    const std::string& Description() const { return m_description; }

private:
    int Pick(int choices, const char* what);
    void ArrangeRegistry(const ScratchFolder& install);
    void ArrangeFolder(const ScratchFolder& folder, const wchar_t* const* files, int count);
    void ArrangeInstallers(const ScratchFolder& disc);
    void Place(const ScratchFolder& folder, const std::wstring& relative, int how);
    std::string RandomBytes();

    std::mt19937& m_random;
    std::wstring m_program;
    std::string m_description;
};

// `size` bytes from the generator, each its next number's low byte.
std::string RandomBytes(std::mt19937& random, size_t size);

// Whether a message box is one the launcher may show in an English (United States) run.
bool IsLauncherMessage(const std::wstring& caption, const std::wstring& text);
