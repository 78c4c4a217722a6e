// End-to-end driver: starts converter.exe in a scratch folder, finds its window by caption and
// drives it the way a user and the system would, then checks what it wrote on close.
//
//   e2e_driver.exe PATH-TO-converter.exe SCRATCH-FOLDER
//   e2e_driver.exe --demo PATH-TO-converter.exe SCRATCH-FOLDER PICTURE.bmp
//
// Prints one line per check and "N passed, N failed" last; exits 1 on any failure. Every wait
// is bounded, so a window that never appears fails the run instead of hanging it. With --demo it
// types one example value, saves a picture of the window and closes the program.
#include <windows.h>

#include <stdio.h>
#include <string.h>
#include <string>

#include "tests/file_text.h"

namespace {

const char kCaption[] = "Vantrel Converter";
const UINT kTrayMessage = WM_USER + 200;
const DWORD kWindowWaitMs = 30000;
const DWORD kExitWaitMs = 15000;
const DWORD kSettleWaitMs = 3000;

int g_passed = 0;
int g_failed = 0;

void Check(bool ok, const char *what, const std::string &detail = "") {
    if (ok) {
        ++g_passed;
        printf("ok   %s\n", what);
    } else {
        ++g_failed;
        printf("FAIL %s %s\n", what, detail.c_str());
    }
    fflush(stdout);
}

struct Program {
    PROCESS_INFORMATION process;
    HWND window;
};

// Polls 'condition' until it holds or the time is up.
template <typename Condition> bool WaitFor(Condition condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

HWND FindConverterWindow(DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, nullptr, kCaption)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

bool StartProgram(const std::string &exe, const std::string &folder, Program *program) {
    STARTUPINFOA startup;
    memset(&startup, 0, sizeof(startup));
    startup.cb = sizeof(startup);
    memset(program, 0, sizeof(*program));
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &program->process)) {
        return false;
    }
    DWORD id = program->process.dwProcessId;
    bool found = WaitFor(
        [&] {
            program->window = FindConverterWindow(id);
            return program->window != nullptr && IsWindowVisible(program->window);
        },
        kWindowWaitMs);
    return found;
}

// Closes the window as the close button does and waits for the process to end.
DWORD CloseProgram(Program *program) {
    DWORD exitCode = 0xDEAD;
    if (program->window) {
        PostMessageA(program->window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(program->process.hProcess, kExitWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(program->process.hProcess, 99);
        WaitForSingleObject(program->process.hProcess, kExitWaitMs);
    }
    GetExitCodeProcess(program->process.hProcess, &exitCode);
    CloseHandle(program->process.hProcess);
    CloseHandle(program->process.hThread);
    return exitCode;
}

std::string BoxText(HWND window, int id) {
    char text[256] = {0};
    SendMessageA(GetDlgItem(window, id), WM_GETTEXT, sizeof(text), (LPARAM)text);
    return text;
}

void SendKey(WORD vk, bool up) {
    INPUT input;
    memset(&input, 0, sizeof(input));
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

void TapKey(WORD vk) {
    SendKey(vk, false);
    SendKey(vk, true);
}

void TypeText(const char *text) {
    for (const char *p = text; *p; ++p) {
        SHORT scan = VkKeyScanA(*p);
        bool shift = (scan >> 8) & 1;
        if (shift) {
            SendKey(VK_SHIFT, false);
        }
        TapKey((WORD)(scan & 0xFF));
        if (shift) {
            SendKey(VK_SHIFT, true);
        }
    }
}

bool WaitForBox(HWND window, int id, const std::string &expected) {
    return WaitFor([&] { return BoxText(window, id) == expected; }, kSettleWaitMs);
}

bool WaitForVisible(HWND window, bool visible) {
    return WaitFor([&] { return (IsWindowVisible(window) != FALSE) == visible; }, kSettleWaitMs);
}

// Focus the box that 'tabs' presses of Tab reach from uint8, selecting its text.
void FocusByTabs(HWND window, int tabs) {
    SetForegroundWindow(window);
    TapKey(VK_ESCAPE); // changes nothing, and makes sure the window has the keyboard
    // Counted from the dialog's first tab stop, uint8, where a fresh window has the focus.
    for (int i = 0; i < tabs; ++i) {
        TapKey(VK_TAB);
    }
}

void CheckWindowLooks(HWND window) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    Check((exStyle & WS_EX_TOPMOST) != 0, "topmost window");
    Check((exStyle & WS_EX_TOOLWINDOW) != 0, "tool window");
    Check((style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) == 0,
          "cannot be resized, minimised or maximised");
    const struct {
        int id;
        const char *text;
    } zeros[] = {{4001, "0"},
                 {4002, "0"},
                 {4003, "0"},
                 {4016, "0"},
                 {4004, "0"},
                 {4005, "0"},
                 {4006, "0"},
                 {4026, "0"},
                 {4013, "0000000000000000"},
                 {4015, "0.000000"},
                 {4019, "0.000000e+00"},
                 {4021, "01.01.1601 00:00:00"},
                 {4023, "01.01.1970 00:00:00"}};
    for (const auto &z : zeros) {
        std::string text = BoxText(window, z.id);
        std::string what = "box " + std::to_string(z.id) + " shows zero";
        Check(text == z.text, what.c_str(), "'" + text + "'");
    }
}

void CheckTyping(HWND window) {
    // A fresh window has the focus in uint8; three tabs reach int8.
    FocusByTabs(window, 3);
    TypeText("-1");
    Check(WaitForBox(window, 4001, "255"), "'-1' typed into int8 gives uint8 255",
          BoxText(window, 4001));
    Check(BoxText(window, 4004) == "-1", "int8 keeps its text", BoxText(window, 4004));
    Check(BoxText(window, 4013) == "FF00000000000000", "HEX after int8 -1", BoxText(window, 4013));
    // From int8, five more tabs reach double (int16, int32, HEX, float, double).
    for (int i = 0; i < 5; ++i) {
        TapKey(VK_TAB);
    }
    TypeText("1.5");
    Check(WaitForBox(window, 4013, "000000000000F83F"), "'1.5' typed into double",
          BoxText(window, 4013));
    Check(BoxText(window, 4015) == "0.000000", "float after double 1.5", BoxText(window, 4015));
    // Shift+Tab eight times goes back to uint8.
    SendKey(VK_SHIFT, false);
    for (int i = 0; i < 8; ++i) {
        TapKey(VK_TAB);
    }
    SendKey(VK_SHIFT, true);
    TypeText("1234");
    Check(WaitForBox(window, 4001, "123"), "uint8 refuses a fourth character",
          BoxText(window, 4001));
    Check(WaitForBox(window, 4002, "123"), "uint16 follows uint8", BoxText(window, 4002));
    TapKey(VK_ESCAPE);
    TapKey(VK_RETURN);
    Sleep(300);
    Check(IsWindow(window) && IsWindowVisible(window), "Esc and Enter leave the window open");
}

void CheckToggle(HWND window, WORD key, const char *what) {
    TapKey(key);
    Check(WaitForVisible(window, false), what, "window not hidden");
    TapKey(key);
    Check(WaitForVisible(window, true), what, "window not shown again");
}

// Copies the window's pixels from the screen into a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const char *path) {
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info;
    memset(&info, 0, sizeof(info));
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    DWORD rowBytes = ((DWORD)width * 3 + 3) & ~3u;
    std::string pixels((size_t)rowBytes * (size_t)height, '\0');
    GetDIBits(memory, bitmap, 0, (UINT)height, &pixels[0], (BITMAPINFO *)&info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER header;
    memset(&header, 0, sizeof(header));
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(header) + sizeof(info);
    header.bfSize = header.bfOffBits + (DWORD)pixels.size();
    FILE *file = fopen(path, "wb");
    if (!file) {
        return false;
    }
    fwrite(&header, sizeof(header), 1, file);
    fwrite(&info, sizeof(info), 1, file);
    fwrite(pixels.data(), 1, pixels.size(), file);
    return fclose(file) == 0;
}

int RunDemo(const std::string &exe, const std::string &folder, const char *picture) {
    Program program;
    if (!StartProgram(exe, folder, &program)) {
        fprintf(stderr, "the converter window did not appear\n");
        CloseProgram(&program);
        return 1;
    }
    SetWindowPos(program.window, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    FocusByTabs(program.window, 7); // the float box
    TypeText("-2.5e3");
    WaitForBox(program.window, 4013, "00401CC500000000");
    Sleep(500);
    bool saved = SaveWindowPicture(program.window, picture);
    DWORD exitCode = CloseProgram(&program);
    return saved && exitCode == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 5 && strcmp(argv[1], "--demo") == 0) {
        return RunDemo(argv[2], argv[3], argv[4]);
    }
    if (argc != 3) {
        fprintf(stderr, "usage: e2e_driver PATH-TO-converter.exe SCRATCH-FOLDER\n"
                        "       e2e_driver --demo PATH-TO-converter.exe SCRATCH-FOLDER OUT.bmp\n");
        return 2;
    }
    std::string exe = argv[1];
    std::string folder = argv[2];
    std::string ini = folder + "\\converter.ini";
    Program program;

    // Run 1: a saved position, hand-written options, the default toggle key.
    StoreFileBytes(ini, "; my settings\r\n[main]\r\nxpos=123\r\nypos=77\r\ntrayMode=0\r\n");
    if (!StartProgram(exe, folder, &program)) {
        Check(false, "window appears", "no window titled 'Vantrel Converter'");
        CloseProgram(&program);
        printf("%d passed, %d failed\n", g_passed, g_failed);
        return 1;
    }
    RECT rect;
    GetWindowRect(program.window, &rect);
    Check(rect.left == 123 && rect.top == 77, "window opens at the saved position",
          std::to_string(rect.left) + "," + std::to_string(rect.top));
    CheckWindowLooks(program.window);
    CheckTyping(program.window);
    CheckToggle(program.window, VK_CAPITAL, "Caps Lock hides and shows");
    // Hidden, the icon's left-button message brings it back.
    TapKey(VK_CAPITAL);
    WaitForVisible(program.window, false);
    PostMessageA(program.window, kTrayMessage, 1, WM_LBUTTONDOWN);
    Check(WaitForVisible(program.window, true), "tray icon click shows the hidden window");
    SetWindowPos(program.window, nullptr, -8, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DWORD exitCode = CloseProgram(&program);
    Check(exitCode == 0, "exit code 0", std::to_string(exitCode));
    std::string saved = FileBytes(ini);
    Check(saved == "; my settings\r\n[main]\r\nxpos=4294967288\r\nypos=40\r\ntrayMode=0\r\n",
          "close writes the position and keeps the rest", saved);

    // Run 2: a configured toggle key; Caps Lock no longer toggles.
    StoreFileBytes(ini, "[main]\r\nkey=0x7B\r\ntrayMode=2\r\n");
    if (StartProgram(exe, folder, &program)) {
        TapKey(VK_CAPITAL);
        Sleep(500);
        Check(IsWindowVisible(program.window) != FALSE, "Caps Lock passes with key=0x7B");
        TapKey(VK_CAPITAL); // put the lock state back
        CheckToggle(program.window, VK_F12, "F12 hides and shows with key=0x7B");
        exitCode = CloseProgram(&program);
        Check(exitCode == 0, "exit code 0 after the second run", std::to_string(exitCode));
        saved = FileBytes(ini);
        Check(saved.find("key=0x7B\r\ntrayMode=2\r\n") != std::string::npos &&
                  saved.find("xpos=") != std::string::npos,
              "options survive the close", saved);
    } else {
        Check(false, "window appears on the second run");
        CloseProgram(&program);
    }

    printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
