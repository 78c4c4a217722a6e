// The smallest dialog program, built with the same toolchain and options as converter.exe: the
// start-up benchmark's baseline. It shows one dialog and ends when the dialog is closed.
#include <windows.h>

static INT_PTR CALLBACK MinimalDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
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
    DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, MinimalDialogProc, 0);
    return 0;
}
