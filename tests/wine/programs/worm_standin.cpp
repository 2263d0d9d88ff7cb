// Stands in for a running worm process in the Win32 suites: it does nothing until it is ended.
#include <windows.h>

int wmain() {
    for (;;) {
        Sleep(1000);
    }
}
