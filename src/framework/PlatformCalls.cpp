#include "PlatformCalls.h"

#include <shellapi.h>

namespace platform {

ShellExecuteFn shellExecute = &::ShellExecuteA;
MessageBoxFn messageBox = &::MessageBoxW;

} // namespace platform
