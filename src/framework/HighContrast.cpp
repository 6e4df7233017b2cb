#include "HighContrast.h"

#include "SystemLibrary.h"

namespace {

int g_answer = kAskTheSystem;
constexpr int kTextLength = 256;

bool AskTheSystem()
{
    if (g_answer != kAskTheSystem)
        return g_answer != 0;
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// Asked once, and again when the system says its settings changed: not at every paint.
bool& SystemAnswer()
{
    static bool on = AskTheSystem();
    return on;
}

} // namespace

bool IsHighContrastOn()
{
    return SystemAnswer();
}

void RereadHighContrast()
{
    SystemAnswer() = AskTheSystem();
}

void SetHighContrastAnswer(int answer)
{
    g_answer = answer;
}

void DrawWindowTextPlainly(const DRAWITEMSTRUCT& item, int textColour, int backgroundColour,
                           bool framed, UINT dpi)
{
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    FillRect(dc, &rect, GetSysColorBrush(backgroundColour));
    if (framed)
        FrameRect(dc, &rect, GetSysColorBrush(textColour));
    wchar_t text[kTextLength] = L"";
    GetWindowTextW(item.hwndItem, text, kTextLength);
    HFONT font = CreateMessageFont(dpi);
    const HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, GetSysColor(textColour));
    SetBkMode(dc, TRANSPARENT);
    // Centred, on as many lines as it needs: a title may be long.
    RECT measured = rect;
    DrawTextW(dc, text, -1, &measured, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    OffsetRect(&rect, 0, ((rect.bottom - rect.top) - (measured.bottom - measured.top)) / 2);
    DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
}

// Made for the DPI: the system gives the font at its own.
HFONT CreateMessageFont(UINT dpi)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return nullptr;
    LOGFONTW& font = metrics.lfMessageFont;
    font.lfHeight =
        MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(user32::GetDpiForSystem()));
    return CreateFontIndirectW(&font);
}
