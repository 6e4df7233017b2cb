#pragma once
#include "../framework/Text.h"

// What a button hands to the shell: a program, document or address, and its parameters. Kept in
// UTF-16 because a document's path joins texts of two code pages (see Text.h).
struct ButtonCommand
{
    WideString file;
    WideString parameters;
    WideString folder{}; // where it starts; empty for the launcher's own current folder
};
