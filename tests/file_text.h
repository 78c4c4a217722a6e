// Whole files as bytes, for tests and drivers that prepare and check settings files.
#pragma once

#include <stdio.h>
#include <string>

// The file's bytes, or "<missing>" when it cannot be opened.
inline std::string FileBytes(const std::string &path) {
    std::string bytes;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file) {
        return "<missing>";
    }
    char chunk[512];
    size_t n;
    while ((n = fread(chunk, 1, sizeof(chunk), file)) > 0) {
        bytes.append(chunk, n);
    }
    fclose(file);
    return bytes;
}

// Replaces the file with 'bytes'; false when it cannot be written whole.
inline bool StoreFileBytes(const std::string &path, const std::string &bytes) {
    FILE *file = fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written;
}
