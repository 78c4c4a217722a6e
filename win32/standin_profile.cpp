// The stand-in's private profile (INI) files: bounded whole-file reading, in-place key edits
// and replacement through a temporary file, so a settings file is never left half-written.
//
// The file's lines: a section line starts (after blanks) with '[' and names the section up to
// the first ']' (without a ']' it is no section line); a key line holds a name, '=' and a
// value; a line starting with ';' is a comment; any other line is kept but never matched.
// Names match without regard to the case of ASCII letters, blanks around names and values do
// not count, and of repeated sections or keys only the first counts, for reading and writing
// alike. Lines before the first section line belong to no section. Lines end at "\r\n", "\n"
// or a lone "\r"; lines the writer adds take the file's own style (that of its first line
// end), or "\r\n" as Windows writes them when the file has none yet. Unlike Windows, the
// writer never rewrites the other lines.
#include "win32/standin_profile.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/scan_chars.h"

namespace {

struct ProfileFile {
    char *bytes; // the whole file, not zero-ended; never null once loaded
    size_t length;
    bool exists;
    mode_t mode;
};

enum LoadResult { kProfileLoaded, kProfileMissing, kProfileUnusable };

struct Span {
    size_t start;
    size_t end;
};

enum LineKind { kLineBlank, kLineOther, kLineSection, kLineKey };

struct ProfileLine {
    size_t contentEnd; // where the line's text ends, before its line end
    size_t end;        // where the next line starts; contentEnd when the file ends unended
    LineKind kind;
    Span name;  // the section's or the key's name, blanks trimmed
    Span value; // the key's value, blanks trimmed, quotes kept
};

struct KeyLocation {
    bool sectionFound;
    bool keyFound;
    ProfileLine keyLine;
    ProfileLine lastFilledLine; // the section's last line that is not blank, its own line first
};

struct OutputBuffer {
    char *bytes;
    size_t length;
    size_t capacity;
    bool overflowed;
};

} // namespace

static unsigned s_tempFileCounter = 0;

static bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

static char FoldAsciiCase(char c) {
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

static Span TrimBlanks(const char *bytes, size_t start, size_t end) {
    while (start < end && IsProfileBlank(bytes[start])) {
        ++start;
    }
    while (end > start && IsProfileBlank(bytes[end - 1])) {
        --end;
    }
    Span span = {start, end};
    return span;
}

static const char *FindByte(const char *bytes, size_t start, size_t end, char wanted) {
    return (const char *)memchr(bytes + start, wanted, end - start);
}

static void ClassifyContent(const char *bytes, Span content, ProfileLine *line) {
    if (content.start == content.end) {
        line->kind = kLineBlank;
        return;
    }
    char first = bytes[content.start];
    const char *close = (first == '[') ? FindByte(bytes, content.start, content.end, ']') : nullptr;
    if (close != nullptr) {
        line->kind = kLineSection;
        line->name = TrimBlanks(bytes, content.start + 1, (size_t)(close - bytes));
        return;
    }
    const char *equals = FindByte(bytes, content.start, content.end, '=');
    if (first == ';' || equals == nullptr) {
        line->kind = kLineOther;
        return;
    }
    size_t equalsAt = (size_t)(equals - bytes);
    line->name = TrimBlanks(bytes, content.start, equalsAt);
    line->value = TrimBlanks(bytes, equalsAt + 1, content.end);
    line->kind = (line->name.start == line->name.end) ? kLineOther : kLineKey;
}

// A line ends at "\r\n", "\n" or a lone "\r", as the platform's reader splits lines.
static ProfileLine ReadProfileLine(const ProfileFile *file, size_t start) {
    ProfileLine line = {};
    const char *bytes = file->bytes;
    size_t at = start;
    while (at < file->length && bytes[at] != '\n' && bytes[at] != '\r') {
        ++at;
    }
    line.contentEnd = at;
    if (at < file->length) {
        at += (bytes[at] == '\r' && at + 1 < file->length && bytes[at + 1] == '\n') ? 2 : 1;
    }
    line.end = at;
    ClassifyContent(bytes, TrimBlanks(bytes, start, line.contentEnd), &line);
    return line;
}

static bool NameMatches(const char *bytes, Span name, const char *wanted) {
    size_t length = strlen(wanted);
    if (name.end - name.start != length) {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        if (FoldAsciiCase(bytes[name.start + i]) != FoldAsciiCase(wanted[i])) {
            return false;
        }
    }
    return true;
}

static KeyLocation LocateKey(const ProfileFile *file, const char *section, const char *key) {
    KeyLocation where = {};
    bool inSection = false;
    size_t start = 0;
    while (start < file->length) {
        ProfileLine line = ReadProfileLine(file, start);
        start = line.end;
        if (line.kind == kLineSection) {
            if (where.sectionFound) {
                break; // a repeated section of the same name does not count
            }
            inSection = NameMatches(file->bytes, line.name, section);
            where.sectionFound = inSection;
            where.lastFilledLine = line;
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (line.kind != kLineBlank) {
            where.lastFilledLine = line;
        }
        if (line.kind == kLineKey && NameMatches(file->bytes, line.name, key)) {
            where.keyFound = true;
            where.keyLine = line;
            break;
        }
    }
    return where;
}

// Reads the whole file into a heap buffer. A missing file is not an error; a file that is no
// regular file, larger than kStandInProfileMaxBytes or not readable is unusable.
static LoadResult LoadProfile(const char *path, ProfileFile *file) {
    memset(file, 0, sizeof(*file));
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? kProfileMissing : kProfileUnusable;
    }
    LoadResult result = kProfileUnusable;
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
        (unsigned long long)info.st_size <= kStandInProfileMaxBytes) {
        // One byte more than the file's size shows a file that grew while it was read.
        size_t capacity = (size_t)info.st_size + 1;
        char *bytes = (char *)malloc(capacity);
        size_t length = 0;
        bool failed = (bytes == nullptr);
        while (!failed && length < capacity) {
            ssize_t got = read(fd, bytes + length, capacity - length);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                failed = (got < 0);
                break;
            }
            length += (size_t)got;
        }
        if (failed || length == capacity) {
            free(bytes);
        } else {
            file->bytes = bytes;
            file->length = length;
            file->exists = true;
            file->mode = info.st_mode;
            result = kProfileLoaded;
        }
    }
    close(fd);
    return result;
}

// The key's value with one pair of matching surrounding quotes removed; false when the file,
// the section or the key is missing or the file is unusable.
static bool ReadProfileValue(const char *section, const char *key, const char *path,
                             ProfileFile *file, Span *value) {
    if (section == nullptr || key == nullptr || path == nullptr) {
        return false;
    }
    if (LoadProfile(path, file) != kProfileLoaded) {
        return false;
    }
    KeyLocation where = LocateKey(file, section, key);
    if (!where.keyFound) {
        return false;
    }
    *value = where.keyLine.value;
    size_t length = value->end - value->start;
    char first = length >= 2 ? file->bytes[value->start] : '\0';
    if ((first == '"' || first == '\'') && file->bytes[value->end - 1] == first) {
        ++value->start;
        --value->end;
    }
    return true;
}

// The number base that a lower-case prefix "0x", "0o" or "0b" chooses; 10 without one.
static unsigned PrefixBase(const char *bytes, size_t at, size_t end) {
    if (end - at < 2 || bytes[at] != '0') {
        return 10;
    }
    switch (bytes[at + 1]) {
    case 'x':
        return 16;
    case 'o':
        return 8;
    case 'b':
        return 2;
    default:
        return 10;
    }
}

// strtol's reading with an optional sign and base prefix, wrapping modulo 2^32 instead of
// saturating; the digits end at the first character that is no digit of the base.
static UINT ParseProfileInt(const char *bytes, Span value) {
    size_t at = value.start;
    bool negative = false;
    if (at < value.end && (bytes[at] == '+' || bytes[at] == '-')) {
        negative = (bytes[at] == '-');
        ++at;
    }
    unsigned base = PrefixBase(bytes, at, value.end);
    if (base != 10) {
        at += 2;
    }
    UINT number = 0;
    for (; at < value.end; ++at) {
        int digit = HexDigitValue(bytes[at]);
        if (digit < 0 || (unsigned)digit >= base) {
            break;
        }
        number = number * base + (UINT)digit;
    }
    return negative ? 0u - number : number;
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, int defaultValue, LPCSTR path) {
    ProfileFile file = {};
    Span value = {0, 0};
    UINT result = (UINT)defaultValue;
    if (ReadProfileValue(section, key, path, &file, &value) && value.end > value.start) {
        result = ParseProfileInt(file.bytes, value);
    }
    free(file.bytes);
    return result;
}

static DWORD CopyCut(const char *text, size_t length, LPSTR buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    size_t count = length < (size_t)size - 1 ? length : (size_t)size - 1;
    memcpy(buffer, text, count);
    buffer[count] = '\0';
    return (DWORD)count;
}

DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer,
                                      DWORD size, LPCSTR path) {
    ProfileFile file = {};
    Span value = {0, 0};
    DWORD copied;
    if (ReadProfileValue(section, key, path, &file, &value)) {
        copied = CopyCut(file.bytes + value.start, value.end - value.start, buffer, size);
    } else {
        const char *text = defaultText ? defaultText : "";
        copied = CopyCut(text, strlen(text), buffer, size);
    }
    free(file.bytes);
    return copied;
}

// A name that reads back as itself from the line it is written into.
static bool IsWritableName(const char *name, char forbidden) {
    size_t length = strlen(name);
    if (length == 0 || length > kStandInProfileMaxBytes || IsProfileBlank(name[0]) ||
        IsProfileBlank(name[length - 1]) || name[0] == '[' || name[0] == ';') {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        if (name[i] == '\n' || name[i] == '\r' || name[i] == forbidden) {
            return false;
        }
    }
    return true;
}

static bool IsWritableText(const char *text) {
    size_t length = strlen(text);
    return length <= kStandInProfileMaxBytes && memchr(text, '\n', length) == nullptr &&
           memchr(text, '\r', length) == nullptr;
}

// Windows refuses to write a file with the read-only attribute; here that is a file without
// any write permission bit (a real refusal even for root), or one this user may not write.
static bool IsReadOnlyFile(const char *path, const ProfileFile *file) {
    return (file->mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path, W_OK) != 0;
}

static void AppendBytes(OutputBuffer *out, const char *bytes, size_t length) {
    if (length == 0) {
        return; // a missing file has no bytes at all
    }
    if (length > out->capacity - out->length) {
        out->overflowed = true;
        return;
    }
    memcpy(out->bytes + out->length, bytes, length);
    out->length += length;
}

static void AppendText(OutputBuffer *out, const char *text) {
    AppendBytes(out, text, strlen(text));
}

// The file's first line end, which new lines copy; "\r\n" for a file without one.
static Span FirstLineEnd(const ProfileFile *file) {
    size_t start = 0;
    while (start < file->length) {
        ProfileLine line = ReadProfileLine(file, start);
        if (line.end > line.contentEnd) {
            Span lineEnd = {line.contentEnd, line.end};
            return lineEnd;
        }
        start = line.end;
    }
    Span none = {0, 0};
    return none;
}

static void LineEndOfFile(const ProfileFile *file, char *lineEnd) {
    Span found = FirstLineEnd(file);
    if (found.end == found.start) {
        memcpy(lineEnd, "\r\n", 3);
        return;
    }
    memcpy(lineEnd, file->bytes + found.start, found.end - found.start);
    lineEnd[found.end - found.start] = '\0';
}

static void AppendKeyLine(OutputBuffer *out, const char *key, const char *text,
                          const char *lineEnd) {
    AppendText(out, key);
    AppendText(out, "=");
    AppendText(out, text);
    AppendText(out, lineEnd);
}

// The file's bytes with the key set: the old value replaced in its line, or a new key line
// after the section's last filled line, or a new section at the end.
static void BuildEditedProfile(const ProfileFile *file, const char *section, const char *key,
                               const char *text, OutputBuffer *out) {
    const char *bytes = file->bytes;
    char lineEnd[3];
    LineEndOfFile(file, lineEnd);
    KeyLocation where = LocateKey(file, section, key);
    if (where.keyFound) {
        Span value = where.keyLine.value;
        AppendBytes(out, bytes, value.start);
        AppendText(out, text);
        AppendBytes(out, bytes + value.end, file->length - value.end);
        return;
    }
    if (where.sectionFound) {
        const ProfileLine &last = where.lastFilledLine;
        AppendBytes(out, bytes, last.end);
        if (last.end == last.contentEnd) {
            AppendText(out, lineEnd); // the file's last line had no line end
        }
        AppendKeyLine(out, key, text, lineEnd);
        AppendBytes(out, bytes + last.end, file->length - last.end);
        return;
    }
    AppendBytes(out, bytes, file->length);
    char lastByte = file->length > 0 ? bytes[file->length - 1] : '\n';
    if (lastByte != '\n' && lastByte != '\r') {
        AppendText(out, lineEnd);
    }
    AppendText(out, "[");
    AppendText(out, section);
    AppendText(out, "]");
    AppendText(out, lineEnd);
    AppendKeyLine(out, key, text, lineEnd);
}

static bool WriteAll(int fd, const char *bytes, size_t length) {
    while (length > 0) {
        ssize_t put = write(fd, bytes, length);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        bytes += put;
        length -= (size_t)put;
    }
    return true;
}

static int CreateTempFileBeside(const char *path, char *tempPath, size_t capacity) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        int printed = snprintf(tempPath, capacity, "%s.%ld-%u.tmp", path, (long)getpid(),
                               s_tempFileCounter++);
        if (printed < 0 || (size_t)printed >= capacity) {
            return -1;
        }
        int fd = open(tempPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Writes the new bytes to a temporary file in the same folder, then renames it over the old
// file, so the file holds either its old bytes or all of the new ones.
static bool ReplaceProfileFile(const char *path, const ProfileFile *old, const char *bytes,
                               size_t length) {
    char tempPath[4096];
    int fd = CreateTempFileBeside(path, tempPath, sizeof(tempPath));
    if (fd < 0) {
        return false;
    }
    bool ok = (!old->exists || fchmod(fd, old->mode & 0777) == 0) && WriteAll(fd, bytes, length) &&
              fsync(fd) == 0;
    if (close(fd) != 0) {
        ok = false;
    }
    if (ok && rename(tempPath, path) != 0) {
        ok = false;
    }
    if (!ok) {
        unlink(tempPath);
    }
    return ok;
}

static bool SetProfileKey(const char *path, const ProfileFile *file, const char *section,
                          const char *key, const char *text) {
    // Room for the new bytes: "[section]", "key=text" and up to three line ends.
    size_t capacity = file->length + strlen(section) + strlen(key) + strlen(text) + 16;
    OutputBuffer out = {(char *)malloc(capacity), 0, capacity, false};
    if (out.bytes == nullptr) {
        return false;
    }
    BuildEditedProfile(file, section, key, text, &out);
    bool ok = false;
    if (out.overflowed || out.length > kStandInProfileMaxBytes) {
        ok = false; // a file too large to read back is not written
    } else if (file->exists && out.length == file->length &&
               memcmp(out.bytes, file->bytes, out.length) == 0) {
        ok = true; // the key already holds the text
    } else {
        ok = ReplaceProfileFile(path, file, out.bytes, out.length);
    }
    free(out.bytes);
    return ok;
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR text, LPCSTR path) {
    if (section == nullptr || key == nullptr || text == nullptr || path == nullptr) {
        return FALSE;
    }
    if (!IsWritableName(section, ']') || !IsWritableName(key, '=') || !IsWritableText(text)) {
        return FALSE;
    }
    ProfileFile file = {};
    LoadResult loaded = LoadProfile(path, &file);
    bool ok = false;
    if (loaded == kProfileMissing || (loaded == kProfileLoaded && !IsReadOnlyFile(path, &file))) {
        ok = SetProfileKey(path, &file, section, key, text);
    }
    free(file.bytes);
    return ok ? TRUE : FALSE;
}
