// Fuzz target: the settings file through the native stand-in's profile functions and the
// program's settings code, in a scratch folder that is the working directory.
//
// Input: one flag byte (bit 0: the file exists; the other bits: the size of a small read
// buffer), then five fields ended by the byte 0x1E: section, key, value, left and top (decimal,
// kept modulo 2^32); whatever follows is the file's content. Missing fields are empty.
//
// Checks: a read never writes past its buffer and always ends the text; a refused write leaves
// the file as it was; a write changes the line of its key or adds lines, and leaves every other
// line byte for byte as it was; the value reads back as written (blanks around it and one pair
// of quotes removed, as the reader documents); and the position that SavePosition writes comes
// back from LoadSettings as the same 32-bit pattern.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "core/app_state.h"
#include "fuzz/fuzz_check.h"
#include "win32/win32_api.h"

namespace {

const char kPath[] = "./converter.ini";
const char kFieldEnd = 0x1E;
const char kDefaultText[] = "<default>";

struct ProfileInput {
    bool fileExists;
    DWORD smallReadSize;
    std::string section, key, value;
    int32_t left, top;
    std::string content;
};

// The next field up to kFieldEnd (which is taken too), cut at a zero byte as a C string is.
std::string TakeField(const uint8_t *data, size_t size, size_t *at) {
    std::string field;
    while (*at < size && data[*at] != (uint8_t)kFieldEnd) {
        field.push_back((char)data[(*at)++]);
    }
    if (*at < size) {
        ++*at;
    }
    return std::string(field.c_str());
}

int32_t Coordinate(const std::string &text) {
    uint32_t number = 0;
    bool negative = !text.empty() && text[0] == '-';
    for (size_t i = negative ? 1 : 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        number = number * 10u + (uint32_t)(text[i] - '0');
    }
    return (int32_t)(negative ? 0u - number : number);
}

ProfileInput ReadInput(const uint8_t *data, size_t size) {
    ProfileInput input;
    input.fileExists = size > 0 && (data[0] & 1) != 0;
    input.smallReadSize = size > 0 ? 1u + (data[0] >> 1) : 1u;
    size_t at = size > 0 ? 1 : 0;
    input.section = TakeField(data, size, &at);
    input.key = TakeField(data, size, &at);
    input.value = TakeField(data, size, &at);
    input.left = Coordinate(TakeField(data, size, &at));
    input.top = Coordinate(TakeField(data, size, &at));
    input.content.assign((const char *)data + at, size - at);
    return input;
}

bool ReadFile(std::string *bytes) {
    bytes->clear();
    FILE *file = fopen(kPath, "rb");
    if (!file) {
        return false;
    }
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) {
        bytes->append(buffer, got);
    }
    fclose(file);
    return true;
}

void WriteFile(const std::string &bytes) {
    FILE *file = fopen(kPath, "wb");
    FUZZ_CHECK(file != nullptr, "cannot create the scratch file");
    FUZZ_CHECK(fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(), "short write");
    fclose(file);
}

// Lines with their line ends ("\r\n", "\n" or a lone "\r"), as the profile reader splits them.
std::vector<std::string> SplitLines(const std::string &bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') {
            ++end;
        }
        if (end < bytes.size()) {
            end += (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end;
    }
    return lines;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string Trim(const std::string &text) {
    size_t start = 0, end = text.size();
    while (start < end && IsBlank(text[start])) {
        ++start;
    }
    while (end > start && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(start, end - start);
}

std::string WithoutLineEnd(const std::string &line) {
    size_t end = line.size();
    while (end > 0 && (line[end - 1] == '\n' || line[end - 1] == '\r')) {
        --end;
    }
    return line.substr(0, end);
}

bool SameIgnoringAsciiCase(const std::string &a, const std::string &b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char x = (a[i] >= 'A' && a[i] <= 'Z') ? (char)(a[i] - 'A' + 'a') : a[i];
        char y = (b[i] >= 'A' && b[i] <= 'Z') ? (char)(b[i] - 'A' + 'a') : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

// True for a "name=value" line whose name is 'key'.
bool IsLineOfKey(const std::string &line, const std::string &key) {
    std::string content = Trim(WithoutLineEnd(line));
    size_t equals = content.find('=');
    if (content.empty() || content[0] == ';' || content[0] == '[' || equals == std::string::npos) {
        return false;
    }
    return SameIgnoringAsciiCase(Trim(content.substr(0, equals)), key);
}

// The old and new files agree line for line but for one changed line of the key, or lines
// added: the key's line, perhaps its section's line, and perhaps a line end for the old last
// line.
void CheckOnlyTheKeyChanged(const std::string &before, const std::string &after,
                            const std::string &key) {
    if (before == after) {
        return; // the key held the value already; the read-back shows it is there
    }
    std::vector<std::string> old = SplitLines(before), now = SplitLines(after);
    size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix]) {
        ++prefix;
    }
    size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix]) {
        ++suffix;
    }
    std::vector<std::string> oldMiddle(old.begin() + prefix, old.end() - suffix);
    std::vector<std::string> newMiddle(now.begin() + prefix, now.end() - suffix);
    FUZZ_CHECK(oldMiddle.size() <= 1, "%zu old lines changed", oldMiddle.size());
    FUZZ_CHECK(!newMiddle.empty() && newMiddle.size() <= 3, "%zu new lines", newMiddle.size());
    bool keyLineFound = false;
    for (const std::string &line : newMiddle) {
        keyLineFound |= IsLineOfKey(line, key);
    }
    FUZZ_CHECK(keyLineFound, "no line of the key among the changed lines");
    if (oldMiddle.size() == 1) {
        // Either the key's own line got its new value, or the file's last line, which had no
        // line end, got one before the lines added after it.
        const std::string &line = oldMiddle[0];
        bool keyLineReplaced = IsLineOfKey(line, key) && newMiddle.size() == 1;
        bool lineEndAdded = WithoutLineEnd(line) == line && WithoutLineEnd(newMiddle[0]) == line &&
                            newMiddle[0] != line;
        FUZZ_CHECK(keyLineReplaced || lineEndAdded, "a line that is not the key's changed: '%s'",
                   line.c_str());
    }
}

// What the reader gives for a written value: blanks around it and one pair of quotes removed.
std::string ValueAsRead(const std::string &value) {
    std::string text = Trim(value);
    if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0]) {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

void CheckSmallRead(const ProfileInput &input) {
    const DWORD guard = 16;
    std::vector<char> buffer(input.smallReadSize + guard, (char)0xA5);
    DWORD copied = GetPrivateProfileStringA(input.section.c_str(), input.key.c_str(), kDefaultText,
                                            buffer.data(), input.smallReadSize, kPath);
    FUZZ_CHECK(copied < input.smallReadSize, "%lu characters copied into %lu bytes",
               (unsigned long)copied, (unsigned long)input.smallReadSize);
    // A zero byte in the file comes through as one; the count still ends where the text does.
    FUZZ_CHECK(buffer[copied] == '\0', "text not ended");
    for (DWORD i = input.smallReadSize; i < input.smallReadSize + guard; ++i) {
        FUZZ_CHECK(buffer[i] == (char)0xA5, "byte %lu past the buffer written", (unsigned long)i);
    }
    GetPrivateProfileIntA(input.section.c_str(), input.key.c_str(), 7, kPath);
}

void CheckKeyWrite(const ProfileInput &input) {
    std::string before, after;
    bool existed = ReadFile(&before);
    BOOL written = WritePrivateProfileStringA(input.section.c_str(), input.key.c_str(),
                                              input.value.c_str(), kPath);
    bool exists = ReadFile(&after);
    if (!written) {
        FUZZ_CHECK(exists == existed && after == before, "a refused write changed the file");
        return;
    }
    FUZZ_CHECK(exists, "a write that succeeded left no file");
    CheckOnlyTheKeyChanged(before, after, input.key);
    std::vector<char> buffer(after.size() + 16);
    GetPrivateProfileStringA(input.section.c_str(), input.key.c_str(), kDefaultText, buffer.data(),
                             (DWORD)buffer.size(), kPath);
    FUZZ_CHECK(ValueAsRead(input.value) == buffer.data(), "wrote '%s', read back '%s'",
               input.value.c_str(), buffer.data());
}

void CheckPositionRoundTrip(const ProfileInput &input) {
    SavePosition(input.left, input.top);
    ResetAppState();
    LoadSettings();
    FUZZ_CHECK(g_app.settings.xpos == input.left && g_app.settings.ypos == input.top,
               "saved %d %d, loaded %d %d", input.left, input.top, g_app.settings.xpos,
               g_app.settings.ypos);
    UINT xpos = GetPrivateProfileIntA("main", "xpos", 0, kPath);
    FUZZ_CHECK(xpos == (UINT)input.left, "xpos reads %u", xpos);
}

} // namespace

// In TMPDIR when set (run_fuzzer.sh points it into the build tree), else /tmp; a run that
// stops on a broken property leaves it behind with the file that broke it.
static char s_scratchFolder[4096];

static void RemoveScratchFolder() {
    unlink(kPath);
    if (chdir("/") == 0) {
        rmdir(s_scratchFolder);
    }
}

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    const char *temporary = getenv("TMPDIR");
    int printed = snprintf(s_scratchFolder, sizeof(s_scratchFolder), "%s/profile-fuzz-XXXXXX",
                           temporary && *temporary ? temporary : "/tmp");
    if (printed < 0 || (size_t)printed >= sizeof(s_scratchFolder) || !mkdtemp(s_scratchFolder) ||
        chdir(s_scratchFolder) != 0) {
        fprintf(stderr, "no scratch folder\n");
        abort();
    }
    atexit(RemoveScratchFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ProfileInput input = ReadInput(data, size);
    unlink(kPath);
    if (input.fileExists) {
        WriteFile(input.content);
    }
    ResetAppState();
    LoadSettings();
    CheckSmallRead(input);
    CheckKeyWrite(input);
    CheckPositionRoundTrip(input);
    return 0;
}
