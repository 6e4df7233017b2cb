#include "GameMenu.h"

#include "GameProfile.h"

namespace {

GAME_MENU_TEXTS

} // namespace

const MenuEntry kGameMenu[] = {GAME_MENU};
const size_t kGameMenuSize = sizeof(kGameMenu) / sizeof(kGameMenu[0]);

const wchar_t* TextFor(const LanguageTexts& texts, const std::string& language)
{
    const wchar_t* standIn = L"";
    for (size_t i = 0; i < texts.count; ++i) {
        if (language == texts.entries[i].language)
            return texts.entries[i].value;
        if (texts.entries[i].language[0] == '\0')
            standIn = texts.entries[i].value;
    }
    return standIn;
}
