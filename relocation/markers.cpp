#include "relocation/markers.h"

#include <array>
#include <initializer_list>
#include <iterator>

namespace {

struct MarkerLines {
    Marker marker;
    bool framed;  // a CR LF before the first line and after every line
    std::initializer_list<const char*> lines;
};

const MarkerLines kMarkers[] = {
    {Marker::Personal, false, {
        "[.ShellClassInfo]",
        "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21770",
        "IconResource=%SystemRoot%\\system32\\imageres.dll,-112",
        "IconFile=%SystemRoot%\\system32\\shell32.dll",
        "IconIndex=-235",
    }},
    {Marker::Favorites, true, {
        "[.ShellClassInfo]",
        "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21796",
        "IconResource=%SystemRoot%\\system32\\imageres.dll,-115",
        "IconFile=%SystemRoot%\\system32\\shell32.dll",
        "IconIndex=-173",
    }},
    {Marker::Pictures, true, {
        "[.ShellClassInfo]",
        "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21779",
        "InfoTip=@%SystemRoot%\\system32\\shell32.dll,-12688",
        "IconResource=%SystemRoot%\\system32\\imageres.dll,-113",
        "IconFile=%SystemRoot%\\system32\\shell32.dll",
        "IconIndex=-236",
    }},
    {Marker::Searches, true, {
        "[.ShellClassInfo]",
        "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-9031",
        "IconResource=%SystemRoot%\\system32\\imageres.dll,-18",
        "[LocalizedFileNames]",
        "Everywhere.search-ms=@SEARCH~1.DLL,-32822",
    }},
    {Marker::SavedGames, true, {
        "[.ShellClassInfo]",
        "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21814",
        "IconResource=%SystemRoot%\\system32\\imageres.dll,-186",
    }},
    {Marker::Contacts, true, {
        "[.ShellClassInfo]",
        "LocalizedResourceName=@%CommonProgramFiles%\\system\\wab32res.dll,-10100",
        "InfoTip=@%CommonProgramFiles%\\system\\wab32res.dll,-10200",
        "IconResource=%SystemRoot%\\system32\\imageres.dll,-181",
    }},
};

// The lines are ASCII: each byte becomes one UTF-16LE code unit.
void AppendUtf16(Bytes& out, const char* ascii) {
    for (; *ascii; ++ascii) {
        out.push_back(static_cast<std::uint8_t>(*ascii));
        out.push_back(0);
    }
}

// Framed contents start with a line break and end every line with one; the
// personal folder's separates its lines and has none at either end.
Bytes BuildContent(const MarkerLines& marker) {
    Bytes content{0xFF, 0xFE};
    if (marker.framed) AppendUtf16(content, "\r\n");
    bool first = true;
    for (const char* line : marker.lines) {
        if (!marker.framed && !first) AppendUtf16(content, "\r\n");
        AppendUtf16(content, line);
        if (marker.framed) AppendUtf16(content, "\r\n");
        first = false;
    }
    return content;
}

}  // namespace

const Bytes& MarkerContent(Marker marker) {
    static const auto contents = [] {
        std::array<Bytes, std::size(kMarkers)> built;
        for (const MarkerLines& lines : kMarkers) {
            built[static_cast<std::size_t>(lines.marker)] = BuildContent(lines);
        }
        return built;
    }();
    return contents[static_cast<std::size_t>(marker)];
}
