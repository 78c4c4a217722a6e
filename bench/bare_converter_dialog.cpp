// converter.exe's own dialog, manifest and imports with nothing behind them: no settings, no
// keyboard hook, no fields filled. Against this the start-up benchmark shows what the program's
// own start-up work costs, apart from what the window system needs to show its window.
#include <windows.h>

#include <commctrl.h>

static INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(1001), nullptr, BareDialogProc, 0);
    return 0;
}
