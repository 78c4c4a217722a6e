// A small reader of Windows program files (PE images) for the file checks of converter.exe:
// the headers, the names of the imported DLLs and the resources. Every offset is checked.
#pragma once

#include <stdint.h>
#include <string>
#include <vector>

enum : uint16_t {
    kMachineI386 = 0x014C,
    kMachineAmd64 = 0x8664,
    kSubsystemWindowsGui = 2,
};

// One resource: its type, its name and its language at the three levels of the directory.
// A level given by a name instead of a number has the number 0 and the name (as ASCII).
struct PeResource {
    uint32_t type;
    std::string typeName;
    uint32_t id;
    std::string idName;
    uint32_t language;
    std::vector<uint8_t> data;
};

struct PeFile {
    uint16_t machine;
    uint16_t subsystem;
    uint32_t symbolTableOffset; // both zero for a stripped file
    uint32_t symbolCount;
    std::vector<std::string> importedDlls;
    std::vector<PeResource> resources;
};

// Reads the file at 'path' into 'bytes'; false when it cannot be read.
bool LoadFileBytes(const char *path, std::vector<uint8_t> *bytes);

// Fills 'pe' from the bytes of a program file. False, with the reason in 'problem', for bytes
// that are no well-formed PE image: nothing outside 'bytes' is ever read.
bool ReadPeFile(const std::vector<uint8_t> &bytes, PeFile *pe, std::string *problem);

// The resource with that type and number, or null.
const PeResource *FindPeResource(const PeFile &pe, uint32_t type, uint32_t id);
