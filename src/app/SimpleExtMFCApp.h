#pragma once
#include "../framework/WinApp.h"

// The launcher application: one window, shown at once.
class CSimpleExtMFCApp : public CWinApp
{
public:
    ~CSimpleExtMFCApp() override = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
