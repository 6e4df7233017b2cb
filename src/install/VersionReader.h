#pragma once

// The FileVersion text of a file's version resource, or null when there is none. The text
// lives in a buffer that the next call overwrites.
const char* GetFileVersionString(const char* fileName);
