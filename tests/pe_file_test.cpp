// Checks of the built converter.exe as a file: a stripped, self-contained GUI program within
// its size budget, importing only system DLLs, and carrying exactly its resources with the
// bytes that the dialog template, the icon group and the manifest must have.
//
//   pe_file_test PATH-TO-converter.exe [GoogleTest options]
#include <gtest/gtest.h>

#include <ctype.h>
#include <stdio.h>
#include <string.h>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tests/pe_reader.h"

namespace {

const char *g_exePath = nullptr;

const size_t kSizeBudget = 64 * 1024;
const uint32_t kLanguageEnglishUs = 1033;

enum : uint32_t {
    kRtIcon = 3,
    kRtDialog = 5,
    kRtGroupIcon = 14,
    kRtManifest = 24,
};

class ConverterExe : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        loaded_ = LoadFileBytes(g_exePath, &bytes_);
        if (loaded_) {
            read_ = ReadPeFile(bytes_, &pe_, &problem_);
        }
    }
    void SetUp() override {
        ASSERT_TRUE(loaded_) << "cannot read " << g_exePath;
        ASSERT_TRUE(read_) << g_exePath << ": " << problem_;
    }
    static bool Is64Bit() { return pe_.machine == kMachineAmd64; }

    static bool loaded_, read_;
    static std::vector<uint8_t> bytes_;
    static PeFile pe_;
    static std::string problem_;
};

bool ConverterExe::loaded_ = false;
bool ConverterExe::read_ = false;
std::vector<uint8_t> ConverterExe::bytes_;
PeFile ConverterExe::pe_;
std::string ConverterExe::problem_;

std::string Lower(std::string text) {
    for (char &c : text) {
        c = (char)tolower((unsigned char)c);
    }
    return text;
}

// Little-endian bytes as the resource compiler writes them.
class Encoder {
  public:
    void U16(uint32_t value) {
        bytes.push_back((uint8_t)value);
        bytes.push_back((uint8_t)(value >> 8));
    }
    void U32(uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    // A text as UTF-16 with its terminator; the texts here are ASCII.
    void Text(const char *text) {
        for (const char *p = text; *p; ++p) {
            U16((unsigned char)*p);
        }
        U16(0);
    }
    void AlignTo4() {
        while (bytes.size() % 4) {
            bytes.push_back(0);
        }
    }
    std::vector<uint8_t> bytes;
};

std::string HexDump(const std::vector<uint8_t> &bytes, size_t from, size_t count) {
    std::string dump;
    char pair[4];
    for (size_t i = from; i < from + count && i < bytes.size(); ++i) {
        snprintf(pair, sizeof(pair), "%02X ", bytes[i]);
        dump += pair;
    }
    return dump;
}

TEST_F(ConverterExe, IsAStrippedGuiProgramWithinTheSizeBudget) {
    EXPECT_TRUE(pe_.machine == kMachineAmd64 || pe_.machine == kMachineI386) << pe_.machine;
    EXPECT_EQ(pe_.subsystem, kSubsystemWindowsGui);
    EXPECT_EQ(pe_.symbolTableOffset, 0u);
    EXPECT_EQ(pe_.symbolCount, 0u);
    EXPECT_LE(bytes_.size(), kSizeBudget);
}

// Linked statically against the compiler's runtime: no libstdc++, libgcc or winpthread DLL.
TEST_F(ConverterExe, ImportsOnlySystemDlls) {
    static const char *const kAllowed[] = {"kernel32.dll", "user32.dll", "shell32.dll",
                                           "comctl32.dll", "msvcrt.dll"};
    std::set<std::string> imported;
    for (const std::string &dll : pe_.importedDlls) {
        std::string name = Lower(dll);
        imported.insert(name);
        bool allowed = name.compare(0, 15, "api-ms-win-crt-") == 0;
        for (const char *a : kAllowed) {
            allowed = allowed || name == a;
        }
        EXPECT_TRUE(allowed) << "imports " << dll;
    }
    EXPECT_EQ(imported.count("kernel32.dll"), 1u);
    EXPECT_EQ(imported.count("user32.dll"), 1u);
}

TEST_F(ConverterExe, HoldsExactlyItsResourcesInUsEnglish) {
    typedef std::tuple<uint32_t, uint32_t, uint32_t> Key; // type, id, language
    const std::set<Key> expected = {
        Key(kRtDialog, 1001, kLanguageEnglishUs), Key(kRtGroupIcon, 8001, kLanguageEnglishUs),
        Key(kRtIcon, 1, kLanguageEnglishUs),      Key(kRtIcon, 2, kLanguageEnglishUs),
        Key(kRtManifest, 1, kLanguageEnglishUs),
    };
    std::set<Key> found;
    for (const PeResource &r : pe_.resources) {
        EXPECT_TRUE(r.typeName.empty() && r.idName.empty())
            << "named resource " << r.typeName << "/" << r.idName;
        EXPECT_TRUE(found.insert(Key(r.type, r.id, r.language)).second)
            << "twice: " << r.type << "/" << r.id << "/" << r.language;
    }
    EXPECT_EQ(found, expected);
}

// The dialog template, item by item, as the dialog manager reads it.
struct DialogItem {
    int line;
    uint32_t id;
    uint16_t classOrdinal;
    uint32_t style;
    const char *text;
    int16_t x, y, width, height;
};

const uint16_t kEdit = 0x0081, kStatic = 0x0082;
const uint32_t kEditStyle = 0x50810080, kLabelStyle = 0x50020002, kCreditStyle = 0x58020002;

const DialogItem kDialogItems[] = {
    {__LINE__, 4001, kEdit, kEditStyle, "", 44, 2, 82, 12},
    {__LINE__, 4002, kEdit, kEditStyle, "", 44, 16, 82, 12},
    {__LINE__, 4003, kEdit, kEditStyle, "", 44, 30, 82, 12},
    {__LINE__, 4004, kEdit, kEditStyle, "", 44, 62, 82, 12},
    {__LINE__, 4005, kEdit, kEditStyle, "", 44, 76, 82, 12},
    {__LINE__, 4006, kEdit, kEditStyle, "", 44, 90, 82, 12},
    {__LINE__, 4007, kStatic, kLabelStyle, "uint8", 4, 4, 38, 8},
    {__LINE__, 4008, kStatic, kLabelStyle, "uint16", 4, 18, 38, 8},
    {__LINE__, 4009, kStatic, kLabelStyle, "uint32", 4, 32, 38, 8},
    {__LINE__, 4010, kStatic, kLabelStyle, "int8", 4, 64, 36, 8},
    {__LINE__, 4011, kStatic, kLabelStyle, "int16", 4, 78, 36, 8},
    {__LINE__, 4012, kStatic, kLabelStyle, "int32", 4, 92, 36, 8},
    {__LINE__, 4013, kEdit, kEditStyle, "", 44, 122, 82, 12},
    {__LINE__, 4014, kStatic, kLabelStyle, "HEX", 4, 124, 36, 8},
    {__LINE__, 4015, kEdit, kEditStyle, "", 44, 140, 82, 12},
    {__LINE__, 4017, kStatic, kLabelStyle, "float", 4, 142, 36, 8},
    {__LINE__, 4019, kEdit, kEditStyle, "", 44, 154, 82, 12},
    {__LINE__, 4020, kStatic, kLabelStyle, "double", 4, 156, 36, 8},
    {__LINE__, 4021, kEdit, kEditStyle, "", 44, 174, 82, 12},
    {__LINE__, 4022, kStatic, kLabelStyle, "Win32 time", 4, 176, 36, 8},
    {__LINE__, 4023, kEdit, kEditStyle, "", 44, 188, 82, 12},
    {__LINE__, 4024, kStatic, kLabelStyle, "C time", 4, 190, 36, 8},
    {__LINE__, 4025, kStatic, kCreditStyle, "by Vantrel", 60, 204, 64, 8},
    {__LINE__, 4016, kEdit, kEditStyle, "", 44, 44, 82, 12},
    {__LINE__, 4018, kStatic, kLabelStyle, "uint64", 4, 46, 36, 8},
    {__LINE__, 4026, kEdit, kEditStyle, "", 44, 104, 82, 12},
    {__LINE__, 4027, kStatic, kLabelStyle, "int64", 4, 106, 36, 8},
};
const size_t kDialogItemCount = sizeof(kDialogItems) / sizeof(kDialogItems[0]);

// DLGTEMPLATEEX: version 1, signature 0xFFFF, help id, extended style, style, item count,
// position and size, no menu, the default class, caption, then the font (DS_SETFONT).
std::vector<uint8_t> DialogHeaderBytes() {
    Encoder e;
    e.U16(1);
    e.U16(0xFFFF);
    e.U32(0);          // help id
    e.U32(0x00000088); // WS_EX_TOPMOST | WS_EX_TOOLWINDOW
    e.U32(0x90C828CC);
    e.U16((uint32_t)kDialogItemCount);
    e.U16(6);
    e.U16(18);
    e.U16(130);
    e.U16(216);
    e.U16(0); // no menu
    e.U16(0); // the default dialog class
    e.Text("Vantrel Converter");
    e.U16(8);             // points
    e.U16(0);             // weight
    e.bytes.push_back(0); // not italic
    e.bytes.push_back(1); // DEFAULT_CHARSET
    e.Text("Tahoma");
    return e.bytes;
}

// DLGITEMTEMPLATEEX: help id, extended style, style, position and size, id, class by ordinal,
// text, no creation data. 'e' already holds everything before the item.
void AppendDialogItem(Encoder *e, const DialogItem &item) {
    e->AlignTo4();
    e->U32(0); // help id
    e->U32(0); // extended style
    e->U32(item.style);
    e->U16((uint16_t)item.x);
    e->U16((uint16_t)item.y);
    e->U16((uint16_t)item.width);
    e->U16((uint16_t)item.height);
    e->U32(item.id);
    e->U16(0xFFFF);
    e->U16(item.classOrdinal);
    e->Text(item.text);
    e->U16(0); // no creation data
}

TEST_F(ConverterExe, DialogHeaderHasTheTemplateBytes) {
    const PeResource *dialog = FindPeResource(pe_, kRtDialog, 1001);
    ASSERT_NE(dialog, nullptr);
    std::vector<uint8_t> header = DialogHeaderBytes();
    ASSERT_GE(dialog->data.size(), header.size());
    std::vector<uint8_t> found(dialog->data.begin(), dialog->data.begin() + header.size());
    EXPECT_EQ(found, header) << "found    " << HexDump(found, 0, found.size()) << "\nexpected "
                             << HexDump(header, 0, header.size());
}

TEST_F(ConverterExe, DialogItemsHaveTheTemplateBytesInTemplateOrder) {
    const PeResource *dialog = FindPeResource(pe_, kRtDialog, 1001);
    ASSERT_NE(dialog, nullptr);
    Encoder e;
    e.bytes = DialogHeaderBytes();
    for (const DialogItem &item : kDialogItems) {
        e.AlignTo4();
        size_t start = e.bytes.size();
        AppendDialogItem(&e, item);
        size_t length = e.bytes.size() - start;
        ASSERT_LE(start + length, dialog->data.size()) << "item of line " << item.line;
        std::vector<uint8_t> found(dialog->data.begin() + start,
                                   dialog->data.begin() + start + length);
        std::vector<uint8_t> expected(e.bytes.begin() + start, e.bytes.end());
        EXPECT_EQ(found, expected)
            << "item " << item.id << " of line " << item.line << "\nfound    "
            << HexDump(found, 0, length) << "\nexpected " << HexDump(expected, 0, length);
    }
    EXPECT_EQ(dialog->data.size(), e.bytes.size()) << "bytes after the last item";
}

// GRPICONDIR and its entries; each entry's image is an RT_ICON with a BITMAPINFOHEADER.
struct IconImage {
    int line;
    uint8_t size;
    uint32_t bytes;
    uint16_t iconId;
};

const IconImage kIconImages[] = {
    {__LINE__, 16, 872, 1},
    {__LINE__, 32, 3240, 2},
};

uint32_t LittleEndian(const std::vector<uint8_t> &data, size_t at, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | data.at(at + (size_t)i);
    }
    return value;
}

TEST_F(ConverterExe, IconGroupHoldsTheTwoTrueColourImages) {
    const PeResource *group = FindPeResource(pe_, kRtGroupIcon, 8001);
    ASSERT_NE(group, nullptr);
    const std::vector<uint8_t> &g = group->data;
    ASSERT_EQ(g.size(), 6u + 14u * 2u);
    EXPECT_EQ(LittleEndian(g, 0, 2), 0u); // reserved
    EXPECT_EQ(LittleEndian(g, 2, 2), 1u); // icons, not cursors
    EXPECT_EQ(LittleEndian(g, 4, 2), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const IconImage &want = kIconImages[i];
        size_t at = 6 + 14 * i;
        SCOPED_TRACE("image of line " + std::to_string(want.line));
        EXPECT_EQ(g[at], want.size);                // width
        EXPECT_EQ(g[at + 1], want.size);            // height
        EXPECT_EQ(g[at + 2], 0);                    // no palette
        EXPECT_EQ(g[at + 3], 0);                    // reserved
        EXPECT_EQ(LittleEndian(g, at + 4, 2), 1u);  // planes
        EXPECT_EQ(LittleEndian(g, at + 6, 2), 24u); // bits per pixel
        EXPECT_EQ(LittleEndian(g, at + 8, 4), want.bytes);
        EXPECT_EQ(LittleEndian(g, at + 12, 2), want.iconId);

        const PeResource *image = FindPeResource(pe_, kRtIcon, want.iconId);
        ASSERT_NE(image, nullptr);
        const std::vector<uint8_t> &b = image->data;
        ASSERT_EQ(b.size(), want.bytes);
        EXPECT_EQ(LittleEndian(b, 0, 4), 40u); // BITMAPINFOHEADER
        EXPECT_EQ(LittleEndian(b, 4, 4), want.size);
        EXPECT_EQ(LittleEndian(b, 8, 4), 2u * want.size); // colour and mask
        EXPECT_EQ(LittleEndian(b, 12, 2), 1u);
        EXPECT_EQ(LittleEndian(b, 14, 2), 24u);
        EXPECT_EQ(LittleEndian(b, 16, 4), 0u); // BI_RGB: uncompressed
        EXPECT_EQ(LittleEndian(b, 32, 4), 0u); // no palette
    }
}

// The attributes of the first element named 'tag' at or after 'from'; 'end' gets the offset
// after it. Enough XML for the manifest, whose elements are written on one line each.
std::map<std::string, std::string> Attributes(const std::string &xml, const std::string &tag,
                                              size_t from, size_t *end) {
    std::map<std::string, std::string> attributes;
    size_t start = xml.find("<" + tag, from);
    // "<assembly" is also the start of "<assemblyIdentity".
    while (start != std::string::npos && isalpha((unsigned char)xml[start + 1 + tag.size()])) {
        start = xml.find("<" + tag, start + 1);
    }
    *end = std::string::npos;
    if (start == std::string::npos) {
        return attributes;
    }
    size_t close = xml.find('>', start);
    std::string element = xml.substr(start, close - start);
    size_t p = element.find_first_of(" \t\r\n");
    while (p != std::string::npos) {
        size_t equals = element.find('=', p);
        size_t open = element.find('"', equals);
        size_t shut = element.find('"', open + 1);
        if (equals == std::string::npos || open == std::string::npos || shut == std::string::npos) {
            break;
        }
        size_t nameStart = element.find_first_not_of(" \t\r\n", p);
        attributes[element.substr(nameStart, equals - nameStart)] =
            element.substr(open + 1, shut - open - 1);
        p = shut + 1;
    }
    *end = close;
    return attributes;
}

TEST_F(ConverterExe, ManifestAsksForCommonControlsSixForItsProcessor) {
    const PeResource *manifest = FindPeResource(pe_, kRtManifest, 1);
    ASSERT_NE(manifest, nullptr);
    std::string xml(manifest->data.begin(), manifest->data.end());
    const char *arch = Is64Bit() ? "amd64" : "X86";

    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>", 0), 0u)
        << xml;
    size_t end;
    std::map<std::string, std::string> assembly = Attributes(xml, "assembly", 0, &end);
    EXPECT_EQ(assembly["xmlns"], "urn:schemas-microsoft-com:asm.v1");
    EXPECT_EQ(assembly["manifestVersion"], "1.0");

    std::map<std::string, std::string> own = Attributes(xml, "assemblyIdentity", end, &end);
    EXPECT_EQ(own["type"], "win32");
    EXPECT_FALSE(own["name"].empty());
    EXPECT_EQ(own["version"], "1.0.0.0");
    EXPECT_EQ(own["processorArchitecture"], arch);
    EXPECT_NE(xml.find("<description>", end), std::string::npos);

    size_t dependency = xml.find("<dependentAssembly>", end);
    ASSERT_NE(dependency, std::string::npos) << xml;
    std::map<std::string, std::string> controls =
        Attributes(xml, "assemblyIdentity", dependency, &end);
    const std::map<std::string, std::string> expected = {
        {"type", "win32"},
        {"name", "Microsoft.Windows.Common-Controls"},
        {"version", "6.0.0.0"},
        {"processorArchitecture", arch},
        {"publicKeyToken", "6595b64144ccf1df"},
        {"language", "*"},
    };
    EXPECT_EQ(controls, expected);
}

} // namespace

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: pe_file_test PATH-TO-converter.exe [GoogleTest options]\n");
        return 2;
    }
    g_exePath = argv[1];
    return RUN_ALL_TESTS();
}
