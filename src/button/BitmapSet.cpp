// Naming and loading of a rollover button's pictures.
#include "RolloverBitmapButton.h"

#include <string>

namespace {

// The language whose set is complete in the program's resources.
constexpr char kFallbackLanguage[] = "EN";

BOOL LoadPicture(CBitmap& picture, const char* name)
{
    return name == nullptr || picture.LoadBitmap(name);
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
    if (m_bitmapUp.GetSafeHandle() == nullptr)
        return FALSE;
    SizeToUpBitmap();
    return TRUE;
}

BOOL CRolloverBitmapButton::LoadStateBitmaps(const char* up, const char* down, const char* rollover,
                                             const char* disabled)
{
    ReleasePictures();
    if (!m_bitmapUp.LoadBitmap(up))
        return FALSE;
    BOOL result = TRUE;
    if (!LoadPicture(m_bitmapDown, down))
        result = FALSE;
    if (!LoadPicture(m_bitmapRollover, rollover))
        result = FALSE;
    if (!LoadPicture(m_bitmapDisabled, disabled))
        result = FALSE;
    return result;
}

void CRolloverBitmapButton::ReleasePictures()
{
    m_bitmapUp.DeleteObject();
    m_bitmapDown.DeleteObject();
    m_bitmapRollover.DeleteObject();
    m_bitmapDisabled.DeleteObject();
}

void CRolloverBitmapButton::SizeToUpBitmap()
{
    BITMAP info = {};
    m_bitmapUp.GetBitmap(&info);
    SetWindowPos(nullptr, -1, -1, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}
