#pragma once
// What the launcher should choose in each locale the tests run in (LANG says which).
#include <string>

struct LocaleExpectation
{
    const char* lang;
    const wchar_t* caption; // insert-disc message
    const wchar_t* text;
    const wchar_t* manual; // relative path
    const wchar_t* guide;  // relative path
    const wchar_t* folder; // a folder name in the characters of this locale's ANSI code page
};

// The row for this run's LANG, or null when the table has none.
const LocaleExpectation* ExpectationForThisLocale();
