#include <windows.h>

#include "app/glimmora_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CGlimmoraApp app;
    return app.InitInstance();
}
