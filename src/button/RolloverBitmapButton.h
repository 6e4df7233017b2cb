#pragma once
// A picture button with three looks: up, rollover while the pointer rests on it (or while its
// owner highlights it for the keyboard), and down while it is held.
#include "../framework/BitmapButton.h"
#include "ButtonEventsListner.h"

class CRolloverBitmapButton : public CBitmapButton
{
public:
    CRolloverBitmapButton() = default;
    ~CRolloverBitmapButton() override;

    // Loads base + "_UP_" / "_DOWN_" / "_ROLLOVER_" + language, falling back to the whole
    // English set, and sizes the button to the up picture.
    BOOL LoadBitmapSet(const char* baseName, const char* language);
    BOOL LoadStateBitmaps(const char* up, const char* down, const char* rollover,
                          const char* disabled);
    void SizeToUpBitmap();

    void SetListener(ButtonEventsListner* listener) { m_pListener = listener; }
    // Changes the highlight only; the owner repaints.
    void SetHover(bool hover) { m_bHover = hover; }
    bool IsHovered() const { return m_bHover; }

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    void OnMouseMove(UINT flags, POINT point);
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void ReleasePictures();
    BOOL LoadBitmapSetIn(const char* baseName, const char* language, bool isEnglishRetry);

    CBitmap m_bitmapUp;
    CBitmap m_bitmapRollover;
    CBitmap m_bitmapDown;
    // The base's four pictures are never loaded: these four are the button's own.
    // cppcheck-suppress duplInheritedMember
    CBitmap m_bitmapDisabled;
    bool m_bHover = false;
    bool m_bTracking = false;
    ButtonEventsListner* m_pListener = nullptr;
    bool m_hasLeft = false;
    DWORD m_leaveTime = 0; // message time of the last leave
};
