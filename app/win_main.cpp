// Program entry, first version: runs the converter dialog until it is closed. The full start-up
// (common controls, settings, keyboard hook, the converter's dialog procedure) replaces it.
#include "win32/win32_api.h"

static const WORD kConverterDialogId = 1001;

static INT_PTR CALLBACK FirstDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    // TRUE for WM_INITDIALOG lets the dialog manager focus the first box.
    return message == WM_INITDIALOG;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(kConverterDialogId), nullptr, FirstDialogProc, 0);
    return 0;
}
