# The Windows build (MinGW-w64): GoogleTest from source for the tests, which run under the
# cross-compiling emulator, and self-contained programs that need no compiler runtime DLLs.
enable_testing()

if(CONVERTER_TESTS)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# The C runtime's own printf (msvcrt), not MinGW's: MinGW's would double the size of
# converter.exe. It has no %zu, %hhu or %j, and "%llu" needs the msvcrt.dll of Vista or later.
# A C++ standard header switches a source file back to MinGW's; the program's link catches that.
add_compile_definitions(__USE_MINGW_ANSI_STDIO=0)

# Small code: no exceptions, no RTTI, no unwind tables; unused functions and data are dropped.
add_compile_options(-fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                    -ffunction-sections -fdata-sections)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)

# Where the native PE file checker is, to check the built converter.exe through ctest.
set(CONVERTER_PE_CHECK "" CACHE FILEPATH "Native pe_file_test program that checks converter.exe")
