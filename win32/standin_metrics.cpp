// The stand-in's screen metrics: a primary screen whose size the tests may set.
#include "win32/standin_profile.h"

static int s_screenWidth = 1920;
static int s_screenHeight = 1080;

int WINAPI GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN) {
        return s_screenWidth;
    }
    if (index == SM_CYSCREEN) {
        return s_screenHeight;
    }
    return 0;
}

void StandInSetScreenSize(int width, int height) {
    s_screenWidth = width;
    s_screenHeight = height;
}
