#include <windows.h>

#include "app/glimmora_app.h"
#include "platform/system_library.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    RestrictDllSearchToSystem();
    CGlimmoraApp app;
    return app.InitInstance();
}
