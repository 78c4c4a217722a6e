// The PE reader on a small image made here: what it finds in a sound file, and that every cut
// or broken file gives a refusal instead of a read outside the bytes or an endless walk.
#include <gtest/gtest.h>

#include <string.h>
#include <string>
#include <vector>

#include "tests/pe_reader.h"

namespace {

// The layout of the made image: one section at file offset 0x200, address 0x1000, holding the
// import table, the DLL name and a resource tree of manifest 1, language 1033.
enum : uint32_t {
    kPeOffset = 0x40,
    kCoff = kPeOffset + 4,
    kOptional = kCoff + 20,
    kOptionalSize = 240,
    kSectionTable = kOptional + kOptionalSize,
    kRaw = 0x200,
    kRva = 0x1000,
    kImports = 0,  // two descriptors, the second all zero
    kDllName = 40, // "KERNEL32.dll"
    kResources = 56,
    kRootDir = 0, // offsets from here on are from the start of the resources
    kNameDir = 24,
    kLanguageDir = 48,
    kDataEntry = 72,
    kIdName = 88, // "AB" as a counted UTF-16 name
    kData = 94,   // "<xml/>", last in the section
    kSectionSize = kResources + kData + 6,
};

void Put16(std::vector<uint8_t> *b, size_t at, uint32_t v) {
    (*b)[at] = (uint8_t)v;
    (*b)[at + 1] = (uint8_t)(v >> 8);
}

void Put32(std::vector<uint8_t> *b, size_t at, uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

size_t InSection(uint32_t offset) {
    return kRaw + offset;
}
size_t InResources(uint32_t offset) {
    return kRaw + kResources + offset;
}

// One directory of the resource tree with one entry.
void PutResourceDirectory(std::vector<uint8_t> *b, uint32_t dir, uint32_t name, uint32_t target) {
    Put16(b, InResources(dir + 14), 1);
    Put32(b, InResources(dir + 16), name);
    Put32(b, InResources(dir + 20), target);
}

std::vector<uint8_t> SoundImage() {
    std::vector<uint8_t> b(kRaw + kSectionSize, 0);
    Put16(&b, 0, 0x5A4D);
    Put32(&b, 0x3C, kPeOffset);
    Put32(&b, kPeOffset, 0x00004550);
    Put16(&b, kCoff, kMachineAmd64);
    Put16(&b, kCoff + 2, 1);
    Put16(&b, kCoff + 16, kOptionalSize);
    Put16(&b, kOptional, 0x20B);
    Put16(&b, kOptional + 68, kSubsystemWindowsGui);
    Put32(&b, kOptional + 108, 16);
    Put32(&b, kOptional + 112 + 8, kRva + kImports);
    Put32(&b, kOptional + 112 + 12, 40);
    Put32(&b, kOptional + 112 + 16, kRva + kResources);
    Put32(&b, kOptional + 112 + 20, kSectionSize - kResources);
    memcpy(&b[kSectionTable], ".data", 5);
    Put32(&b, kSectionTable + 8, kSectionSize);
    Put32(&b, kSectionTable + 12, kRva);
    Put32(&b, kSectionTable + 16, kSectionSize);
    Put32(&b, kSectionTable + 20, kRaw);

    Put32(&b, InSection(kImports + 12), kRva + kDllName);
    Put32(&b, InSection(kImports + 16), kRva + kDllName); // any non-zero thunk address
    memcpy(&b[InSection(kDllName)], "KERNEL32.dll", 13);

    PutResourceDirectory(&b, kRootDir, 24, 0x80000000u | kNameDir);
    PutResourceDirectory(&b, kNameDir, 1, 0x80000000u | kLanguageDir);
    PutResourceDirectory(&b, kLanguageDir, 1033, kDataEntry);
    Put32(&b, InResources(kDataEntry), kRva + kResources + kData);
    Put32(&b, InResources(kDataEntry + 4), 6);
    memcpy(&b[InResources(kData)], "<xml/>", 6);
    Put16(&b, InResources(kIdName), 2);
    Put16(&b, InResources(kIdName + 2), 'A');
    Put16(&b, InResources(kIdName + 4), 'B');
    return b;
}

TEST(PeReader, ReadsTheHeadersImportsAndResourcesOfASoundImage) {
    PeFile pe;
    std::string problem;
    ASSERT_TRUE(ReadPeFile(SoundImage(), &pe, &problem)) << problem;
    EXPECT_EQ(pe.machine, kMachineAmd64);
    EXPECT_EQ(pe.subsystem, kSubsystemWindowsGui);
    EXPECT_EQ(pe.importedDlls, std::vector<std::string>{"KERNEL32.dll"});
    ASSERT_EQ(pe.resources.size(), 1u);
    const PeResource &r = pe.resources[0];
    EXPECT_EQ(r.type, 24u);
    EXPECT_EQ(r.id, 1u);
    EXPECT_EQ(r.language, 1033u);
    EXPECT_EQ(std::string(r.data.begin(), r.data.end()), "<xml/>");
    EXPECT_EQ(FindPeResource(pe, 24, 1), &r);
    EXPECT_EQ(FindPeResource(pe, 24, 2), nullptr);
}

TEST(PeReader, ReadsAResourceNamedByText) {
    std::vector<uint8_t> image = SoundImage();
    Put32(&image, InResources(kNameDir + 16), 0x80000000u | kIdName);
    PeFile pe;
    std::string problem;
    ASSERT_TRUE(ReadPeFile(image, &pe, &problem)) << problem;
    ASSERT_EQ(pe.resources.size(), 1u);
    EXPECT_EQ(pe.resources[0].idName, "AB");
    EXPECT_EQ(pe.resources[0].id, 0u);
    EXPECT_EQ(FindPeResource(pe, 24, 0), nullptr);
}

// Every byte of the image is needed, so every shorter file is refused.
TEST(PeReader, RefusesEveryCutOfTheImage) {
    std::vector<uint8_t> image = SoundImage();
    for (size_t length = 0; length < image.size(); ++length) {
        std::vector<uint8_t> cut(image.begin(), image.begin() + length);
        PeFile pe;
        std::string problem;
        EXPECT_FALSE(ReadPeFile(cut, &pe, &problem)) << "cut to " << length << " bytes";
    }
}

struct Breakage {
    int line;
    const char *what;
    const char *reason;
    void (*apply)(std::vector<uint8_t> *image);
};

const Breakage kBreakages[] = {
    {__LINE__, "PE header beyond the end", "no PE signature",
     [](std::vector<uint8_t> *b) { Put32(b, 0x3C, 0xFFFFFFF0u); }},
    {__LINE__, "unknown optional header", "unknown optional header magic",
     [](std::vector<uint8_t> *b) { Put16(b, kOptional, 0x999); }},
    {__LINE__, "section table beyond the end", "cut section table",
     [](std::vector<uint8_t> *b) { Put16(b, kCoff + 2, 90); }},
    {__LINE__, "section data beyond the end", "import descriptor outside the file",
     [](std::vector<uint8_t> *b) { Put32(b, kSectionTable + 20, 0xFFFFFF00u); }},
    {__LINE__, "import entry naming a DLL outside the file", "imported DLL name outside the file",
     [](std::vector<uint8_t> *b) { memset(&(*b)[InSection(kImports + 20)], 0x11, 20); }},
    {__LINE__, "DLL name without its zero byte", "imported DLL name outside the file",
     [](std::vector<uint8_t> *b) {
         Put32(b, InSection(kImports + 12), kRva + kResources + kData + 5);
     }},
    {__LINE__, "resource entries beyond the section", "resource entry outside the file",
     [](std::vector<uint8_t> *b) { Put32(b, kOptional + 112 + 16, kRva + kSectionSize - 16); }},
    {__LINE__, "resource directory that contains itself",
     "resource directory deeper or shallower than three levels",
     [](std::vector<uint8_t> *b) { Put32(b, InResources(kNameDir + 20), 0x80000000u | kNameDir); }},
    {__LINE__, "type level pointing straight at data",
     "resource directory deeper or shallower than three levels",
     [](std::vector<uint8_t> *b) { Put32(b, InResources(kRootDir + 20), kDataEntry); }},
    {__LINE__, "resource data beyond the section", "resource data outside the file",
     [](std::vector<uint8_t> *b) { Put32(b, InResources(kDataEntry + 4), 0x7FFFFFFF); }},
    {__LINE__, "resource name beyond the section", "resource name outside the file",
     [](std::vector<uint8_t> *b) { Put32(b, InResources(kNameDir + 16), 0xFFFFFFF0u); }},
    {__LINE__, "resource name longer than the section", "resource name outside the file",
     [](std::vector<uint8_t> *b) {
         Put32(b, InResources(kNameDir + 16), 0x80000000u | kIdName);
         Put16(b, InResources(kIdName), 200);
     }},
};

TEST(PeReader, RefusesBrokenImagesForTheRightReason) {
    for (const Breakage &row : kBreakages) {
        std::vector<uint8_t> image = SoundImage();
        row.apply(&image);
        PeFile pe;
        std::string problem;
        EXPECT_FALSE(ReadPeFile(image, &pe, &problem)) << row.what << " (line " << row.line << ")";
        EXPECT_EQ(problem, row.reason) << row.what << " (line " << row.line << ")";
    }
}

} // namespace
