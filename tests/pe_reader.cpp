// A small reader of Windows program files (PE images): headers, imported DLLs, resources.
#include "tests/pe_reader.h"

#include <stdio.h>

namespace {

// Sizes and offsets of the PE format that the reader needs.
enum : size_t {
    kDosHeaderSize = 64,
    kNewHeaderPointer = 0x3C,
    kCoffHeaderSize = 20,
    kSectionHeaderSize = 40,
    kImportDescriptorSize = 20,
    kResourceDirectorySize = 16,
    kResourceEntrySize = 8,
    kResourceDataEntrySize = 16,
};
enum : uint16_t { kOptionalMagicPe32 = 0x10B, kOptionalMagicPe32Plus = 0x20B };
enum : uint32_t { kImportDirectory = 1, kResourceDirectory = 2, kHighBit = 0x80000000u };

// Limits that keep a hostile file from making the reader loop for long.
enum : size_t {
    kMaxImports = 256,
    kMaxNameLength = 256,
    kMaxResources = 4096,
    kMaxResourceEntries = 65536,
    kMaxSections = 96,
};

struct Section {
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawSize;
    uint32_t rawOffset;
};

// The file's bytes with reads that fail instead of leaving them.
class Bytes {
  public:
    explicit Bytes(const std::vector<uint8_t> &bytes) : bytes_(bytes) {}

    bool Has(size_t offset, size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    bool U16(size_t offset, uint16_t *value) const {
        if (!Has(offset, 2)) {
            return false;
        }
        *value = (uint16_t)(bytes_[offset] | bytes_[offset + 1] << 8);
        return true;
    }
    bool U32(size_t offset, uint32_t *value) const {
        uint16_t low, high;
        if (!U16(offset, &low) || !U16(offset + 2, &high)) {
            return false;
        }
        *value = (uint32_t)low | (uint32_t)high << 16;
        return true;
    }
    const uint8_t *At(size_t offset) const { return bytes_.data() + offset; }

  private:
    const std::vector<uint8_t> &bytes_;
};

class Reader {
  public:
    Reader(const std::vector<uint8_t> &bytes, PeFile *pe, std::string *problem)
        : file_(bytes), pe_(pe), problem_(problem) {}

    bool Read() { return ReadHeaders() && ReadImports() && ReadResources(); }

  private:
    bool Fail(const char *what) {
        *problem_ = what;
        return false;
    }

    bool ReadHeaders();
    bool ReadSections(size_t first, uint16_t count);
    bool ReadImports();
    bool ReadResources();
    bool ReadResourceLevel(uint32_t directoryOffset, int level, PeResource *path);
    bool ReadResourceName(uint32_t entryName, uint32_t *number, std::string *name);
    bool ReadResourceData(uint32_t dataEntryOffset, PeResource *path);

    // The file offset of 'count' bytes at 'rva', inside one section's raw data.
    bool Locate(uint32_t rva, size_t count, size_t *offset) const {
        for (const Section &s : sections_) {
            if (rva < s.virtualAddress) {
                continue;
            }
            uint32_t within = rva - s.virtualAddress;
            if (within < s.rawSize && count <= (size_t)s.rawSize - within) {
                *offset = (size_t)s.rawOffset + within;
                return file_.Has(*offset, count);
            }
        }
        return false;
    }
    bool RvaU16(uint32_t rva, uint16_t *value) const {
        size_t offset;
        return Locate(rva, 2, &offset) && file_.U16(offset, value);
    }
    bool RvaU32(uint32_t rva, uint32_t *value) const {
        size_t offset;
        return Locate(rva, 4, &offset) && file_.U32(offset, value);
    }
    // A text ending in a zero byte, at most kMaxNameLength characters.
    bool RvaText(uint32_t rva, std::string *text) const {
        text->clear();
        for (uint32_t i = 0; i <= kMaxNameLength; ++i) {
            size_t offset;
            if (rva > UINT32_MAX - i || !Locate(rva + i, 1, &offset)) {
                return false;
            }
            char c = (char)*file_.At(offset);
            if (c == '\0') {
                return true;
            }
            *text += c;
        }
        return false;
    }

    Bytes file_;
    PeFile *pe_;
    std::string *problem_;
    std::vector<Section> sections_;
    uint32_t directoryRva_[3] = {};
    uint32_t directorySize_[3] = {};
    uint32_t resourceBase_ = 0;
    size_t resourceEntriesSeen_ = 0;
};

bool Reader::ReadHeaders() {
    uint16_t dosMagic;
    uint32_t peOffset, signature;
    if (!file_.Has(0, kDosHeaderSize) || !file_.U16(0, &dosMagic) || dosMagic != 0x5A4D) {
        return Fail("no MZ header");
    }
    if (!file_.U32(kNewHeaderPointer, &peOffset) || !file_.U32(peOffset, &signature) ||
        signature != 0x00004550) {
        return Fail("no PE signature");
    }
    size_t coff = (size_t)peOffset + 4;
    uint16_t sectionCount, optionalSize, magic;
    if (!file_.Has(coff, kCoffHeaderSize) || !file_.U16(coff, &pe_->machine) ||
        !file_.U16(coff + 2, &sectionCount) || !file_.U32(coff + 8, &pe_->symbolTableOffset) ||
        !file_.U32(coff + 12, &pe_->symbolCount) || !file_.U16(coff + 16, &optionalSize)) {
        return Fail("cut COFF header");
    }
    size_t optional = coff + kCoffHeaderSize;
    if (!file_.Has(optional, optionalSize) || !file_.U16(optional, &magic)) {
        return Fail("cut optional header");
    }
    size_t directoryCountAt;
    if (magic == kOptionalMagicPe32) {
        directoryCountAt = 92;
    } else if (magic == kOptionalMagicPe32Plus) {
        directoryCountAt = 108;
    } else {
        return Fail("unknown optional header magic");
    }
    uint32_t directoryCount;
    if (directoryCountAt + 4 > optionalSize || !file_.U16(optional + 68, &pe_->subsystem) ||
        !file_.U32(optional + directoryCountAt, &directoryCount)) {
        return Fail("cut optional header");
    }
    for (uint32_t i = 0; i < 3 && i < directoryCount; ++i) {
        size_t at = directoryCountAt + 4 + 8 * (size_t)i;
        if (at + 8 > optionalSize || !file_.U32(optional + at, &directoryRva_[i]) ||
            !file_.U32(optional + at + 4, &directorySize_[i])) {
            return Fail("cut data directories");
        }
    }
    return ReadSections(optional + optionalSize, sectionCount);
}

bool Reader::ReadSections(size_t first, uint16_t count) {
    if (count > kMaxSections) {
        return Fail("too many sections");
    }
    for (uint16_t i = 0; i < count; ++i) {
        size_t at = first + (size_t)i * kSectionHeaderSize;
        Section s;
        if (!file_.Has(at, kSectionHeaderSize) || !file_.U32(at + 8, &s.virtualSize) ||
            !file_.U32(at + 12, &s.virtualAddress) || !file_.U32(at + 16, &s.rawSize) ||
            !file_.U32(at + 20, &s.rawOffset)) {
            return Fail("cut section table");
        }
        // Bytes past the section's size in memory are not part of it.
        if (s.virtualSize != 0 && s.virtualSize < s.rawSize) {
            s.rawSize = s.virtualSize;
        }
        sections_.push_back(s);
    }
    return true;
}

bool Reader::ReadImports() {
    uint32_t rva = directoryRva_[kImportDirectory];
    if (rva == 0) {
        return true;
    }
    for (size_t i = 0;; ++i) {
        if (i == kMaxImports) {
            return Fail("import table without end");
        }
        uint32_t descriptor = rva + (uint32_t)(i * kImportDescriptorSize);
        size_t offset;
        if (descriptor < rva || !Locate(descriptor, kImportDescriptorSize, &offset)) {
            return Fail("import descriptor outside the file");
        }
        uint32_t nameRva, firstThunk;
        file_.U32(offset + 12, &nameRva);
        file_.U32(offset + 16, &firstThunk);
        if (nameRva == 0 && firstThunk == 0) {
            return true;
        }
        std::string name;
        if (!RvaText(nameRva, &name)) {
            return Fail("imported DLL name outside the file");
        }
        pe_->importedDlls.push_back(name);
    }
}

bool Reader::ReadResources() {
    resourceBase_ = directoryRva_[kResourceDirectory];
    if (resourceBase_ == 0) {
        return true;
    }
    PeResource path = {};
    return ReadResourceLevel(0, 0, &path);
}

// Level 0 holds types, level 1 names, level 2 languages, whose entries lead to the data.
bool Reader::ReadResourceLevel(uint32_t directoryOffset, int level, PeResource *path) {
    uint32_t directory = resourceBase_ + directoryOffset;
    uint16_t namedCount, idCount;
    if (directory < resourceBase_ || !RvaU16(directory + 12, &namedCount) ||
        !RvaU16(directory + 14, &idCount)) {
        return Fail("resource directory outside the file");
    }
    for (uint32_t i = 0; i < (uint32_t)namedCount + idCount; ++i) {
        if (++resourceEntriesSeen_ > kMaxResourceEntries) {
            return Fail("too many resource entries");
        }
        uint32_t entry = directory + kResourceDirectorySize + i * kResourceEntrySize;
        uint32_t entryName, target;
        if (entry < directory || !RvaU32(entry, &entryName) || !RvaU32(entry + 4, &target)) {
            return Fail("resource entry outside the file");
        }
        uint32_t number;
        std::string name;
        if (!ReadResourceName(entryName, &number, &name)) {
            return false;
        }
        bool isDirectory = (target & kHighBit) != 0;
        if (isDirectory != (level < 2)) {
            return Fail("resource directory deeper or shallower than three levels");
        }
        if (level == 0) {
            path->type = number;
            path->typeName = name;
        } else if (level == 1) {
            path->id = number;
            path->idName = name;
        } else {
            path->language = number;
        }
        bool ok = isDirectory ? ReadResourceLevel(target & ~kHighBit, level + 1, path)
                              : ReadResourceData(target, path);
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool Reader::ReadResourceName(uint32_t entryName, uint32_t *number, std::string *name) {
    name->clear();
    if (!(entryName & kHighBit)) {
        *number = entryName;
        return true;
    }
    *number = 0;
    uint32_t at = resourceBase_ + (entryName & ~kHighBit);
    uint16_t length;
    if (at < resourceBase_ || !RvaU16(at, &length) || length > kMaxNameLength) {
        return Fail("resource name outside the file");
    }
    for (uint16_t i = 0; i < length; ++i) {
        uint16_t unit;
        if (!RvaU16(at + 2 + 2u * i, &unit)) {
            return Fail("resource name outside the file");
        }
        *name += unit < 0x80 ? (char)unit : '?';
    }
    return true;
}

bool Reader::ReadResourceData(uint32_t dataEntryOffset, PeResource *path) {
    if (pe_->resources.size() == kMaxResources) {
        return Fail("too many resources");
    }
    uint32_t entry = resourceBase_ + dataEntryOffset;
    uint32_t dataRva, dataSize;
    size_t offset;
    if (entry < resourceBase_ || !RvaU32(entry, &dataRva) || !RvaU32(entry + 4, &dataSize) ||
        !Locate(dataRva, dataSize, &offset)) {
        return Fail("resource data outside the file");
    }
    path->data.assign(file_.At(offset), file_.At(offset) + dataSize);
    pe_->resources.push_back(*path);
    return true;
}

} // namespace

bool LoadFileBytes(const char *path, std::vector<uint8_t> *bytes) {
    bytes->clear();
    FILE *file = fopen(path, "rb");
    if (!file) {
        return false;
    }
    uint8_t chunk[4096];
    size_t count;
    while ((count = fread(chunk, 1, sizeof(chunk), file)) > 0) {
        bytes->insert(bytes->end(), chunk, chunk + count);
    }
    bool ok = !ferror(file);
    fclose(file);
    return ok;
}

bool ReadPeFile(const std::vector<uint8_t> &bytes, PeFile *pe, std::string *problem) {
    *pe = PeFile();
    problem->clear();
    return Reader(bytes, pe, problem).Read();
}

const PeResource *FindPeResource(const PeFile &pe, uint32_t type, uint32_t id) {
    for (const PeResource &r : pe.resources) {
        if (r.typeName.empty() && r.idName.empty() && r.type == type && r.id == id) {
            return &r;
        }
    }
    return nullptr;
}
