#pragma once
// A picture button with three looks: up, rollover while the pointer rests on it (or while its
// owner highlights it for the keyboard, or while it keeps the focus the pointer gave it: a focus
// rectangle instead where the system shows keyboard cues), and down while it is held. Only the up
// picture is loaded with the set: each of the others when it is first shown.
#include "../framework/BitmapButton.h"
#include "ButtonEventsListner.h"

#include <string>

class CRolloverBitmapButton : public CBitmapButton
{
public:
    CRolloverBitmapButton() = default;
    ~CRolloverBitmapButton() override;

    // Takes base + "_UP_" / "_DOWN_" / "_ROLLOVER_" + language, falling back to the whole
    // English set, and sizes the button to the up picture.
    BOOL LoadBitmapSet(const char* baseName, const char* language);
    // FALSE when a picture named is not in the program (the others are still taken).
    BOOL LoadStateBitmaps(const char* up, const char* down, const char* rollover,
                          const char* disabled);
    void SizeToUpBitmap();
    // Lets go of the pictures; those of the new DPI are loaded as they are shown.
    void SetDpi(UINT dpi) override;

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
    bool IsPointerOnButton() const;
    bool IsTrackedBySystem() const;
    BOOL LoadBitmapSetIn(const char* baseName, const char* language, bool isEnglishRetry);
    // The picture, loaded now if it was not yet; empty when the set has none of that state.
    const CPicture& Shown(CPicture& picture, const std::string& name);

    CPicture m_bitmapUp;
    CPicture m_bitmapRollover;
    CPicture m_bitmapDown;
    // The base's four pictures are never loaded: these four are the button's own.
    // cppcheck-suppress duplInheritedMember
    CPicture m_bitmapDisabled;
    // The names of the set's pictures that the program carries; empty for the others.
    std::string m_upName, m_rolloverName, m_downName, m_disabledName;
    bool m_bHover = false;
    bool m_bTracking = false;
    ButtonEventsListner* m_pListener = nullptr;
};
