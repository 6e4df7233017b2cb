#include "PlatformCalls.h"

#include <shellapi.h>

namespace platform {

ShellExecuteFn shellExecute = &::ShellExecuteW;
MessageBoxFn messageBox = &::MessageBoxW;

} // namespace platform
