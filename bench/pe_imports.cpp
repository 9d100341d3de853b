#include "bench/bench.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

template <typename T>
bool ReadAt(const std::vector<char>& file, std::size_t offset, T& out) {
    if (offset > file.size() || file.size() - offset < sizeof out) return false;
    std::memcpy(&out, file.data() + offset, sizeof out);
    return true;
}

// Where the loaded image's address lies in the file, through the section table.
bool FileOffset(const std::vector<IMAGE_SECTION_HEADER>& sections, DWORD rva, std::size_t& offset) {
    for (const IMAGE_SECTION_HEADER& section : sections) {
        const DWORD size = section.Misc.VirtualSize ? section.Misc.VirtualSize : section.SizeOfRawData;
        if (rva >= section.VirtualAddress && rva < section.VirtualAddress + size) {
            offset = rva - section.VirtualAddress + section.PointerToRawData;
            return true;
        }
    }
    return false;
}

}  // namespace

bool ReadImportedDlls(const std::string& path, std::vector<std::string>& dlls) {
    std::ifstream stream(path, std::ios::binary);
    const std::vector<char> file{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    IMAGE_DOS_HEADER dos{};
    IMAGE_NT_HEADERS32 nt{};
    if (!ReadAt(file, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE ||
        !ReadAt(file, static_cast<std::size_t>(dos.e_lfanew), nt) || nt.Signature != IMAGE_NT_SIGNATURE ||
        nt.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
        return false;
    }
    std::vector<IMAGE_SECTION_HEADER> sections(nt.FileHeader.NumberOfSections);
    const std::size_t sectionTable = static_cast<std::size_t>(dos.e_lfanew) + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                                     nt.FileHeader.SizeOfOptionalHeader;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!ReadAt(file, sectionTable + i * sizeof(IMAGE_SECTION_HEADER), sections[i])) return false;
    }

    const IMAGE_DATA_DIRECTORY& imports = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    dlls.clear();
    if (imports.VirtualAddress == 0) return true;
    std::size_t at = 0;
    if (!FileOffset(sections, imports.VirtualAddress, at)) return false;
    for (;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        IMAGE_IMPORT_DESCRIPTOR descriptor{};
        if (!ReadAt(file, at, descriptor)) return false;
        if (descriptor.Name == 0) return true;
        std::size_t name = 0;
        if (!FileOffset(sections, descriptor.Name, name) || name >= file.size()) return false;
        const char* begin = file.data() + name;
        const void* end = std::memchr(begin, '\0', file.size() - name);
        if (!end) return false;
        dlls.emplace_back(begin, static_cast<const char*>(end));
    }
}
