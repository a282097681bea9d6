#include <windows.h>

#include "app/configurator_app.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    CConfiguratorApp app;
    app.InitInstance();
    return 0;
}
