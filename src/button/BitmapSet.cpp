// Naming and loading of a rollover button's pictures.
#include "RolloverBitmapButton.h"

#include <string>

namespace {

// The language whose set is complete in the program's resources.
constexpr char kFallbackLanguage[] = "EN";

// The name when the program carries that picture; FALSE in `allCarried` when it does not.
std::string CarriedName(const char* name, BOOL& allCarried)
{
    if (name == nullptr)
        return std::string();
    if (!CPicture::IsCarried(name)) {
        allCarried = FALSE;
        return std::string();
    }
    return name;
}

} // namespace

BOOL CRolloverBitmapButton::LoadBitmapSet(const char* baseName, const char* language)
{
    return LoadBitmapSetIn(baseName, language, false);
}

BOOL CRolloverBitmapButton::LoadBitmapSetIn(const char* baseName, const char* language,
                                            bool isEnglishRetry)
{
    const std::string base(baseName);
    const std::string rollover = base + "_ROLLOVER_" + language;
    const std::string down = base + "_DOWN_" + language;
    const std::string up = base + "_UP_" + language;

    if (!LoadStateBitmaps(up.c_str(), down.c_str(), rollover.c_str(), nullptr)) {
        // A set with any picture missing is replaced whole, so a button never mixes two
        // languages. The English set is retried once only: should it be incomplete too, the
        // button keeps what it could load rather than retrying without end.
        if (!isEnglishRetry)
            LoadBitmapSetIn(baseName, kFallbackLanguage, true);
        return TRUE;
    }
    if (!m_bitmapUp.IsLoaded())
        return FALSE;
    SizeToUpBitmap();
    return TRUE;
}

BOOL CRolloverBitmapButton::LoadStateBitmaps(const char* up, const char* down, const char* rollover,
                                             const char* disabled)
{
    ReleasePictures();
    BOOL allCarried = TRUE;
    m_upName = CarriedName(up, allCarried);
    m_downName = CarriedName(down, allCarried);
    m_rolloverName = CarriedName(rollover, allCarried);
    m_disabledName = CarriedName(disabled, allCarried);
    // The up picture is the one the first frame shows, and the button's size.
    return Shown(m_bitmapUp, m_upName).IsLoaded() && allCarried;
}

void CRolloverBitmapButton::ReleasePictures()
{
    m_bitmapUp.Release();
    m_bitmapDown.Release();
    m_bitmapRollover.Release();
    m_bitmapDisabled.Release();
}

void CRolloverBitmapButton::SizeToUpBitmap()
{
    const SIZE size = m_bitmapUp.SizeAt(m_dpi);
    SetWindowPos(nullptr, -1, -1, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}
