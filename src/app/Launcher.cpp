#include "SimpleExtMFCApp.h"

// The one application object, alive before start-up.
CSimpleExtMFCApp theApp;
