#pragma once
#include <string>

// What a button hands to the shell: a program, document or address, and its parameters.
struct ButtonCommand
{
    std::string file;
    std::string parameters;
};
