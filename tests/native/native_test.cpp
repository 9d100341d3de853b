// The pure text code under AddressSanitizer and UBSan, aimed at the edges
// where a scan could step one byte too far: every input lives in a buffer
// that ends exactly where the input does. The ordinary behaviour tables run
// on Wine in tests/text_test.cpp; these are the bounds.
//
//   native_test            runs every case
//   native_test --list     names the cases
//   native_test NAME...    runs the named cases
#include "app/link_command.h"
#include "exact_buffer.h"
#include "relocation/typed_path.h"
#include "system/registry_path.h"
#include "system/text.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool caseFailed = false;

std::string Show(std::string_view s) {
    std::string shown = "\"";
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        }
    }
    return shown + "\"";
}

std::string Show(const Bytes& b) { return Show(std::string_view(reinterpret_cast<const char*>(b.data()), b.size())); }
std::string Show(int n) { return std::to_string(n); }
std::string Show(bool b) { return b ? "true" : "false"; }

#define CHECK_EQ(actual, expected, context)                                                 \
    do {                                                                                    \
        const auto& actualValue = (actual);                                                 \
        const auto& expectedValue = (expected);                                             \
        if (!(actualValue == expectedValue)) {                                              \
            caseFailed = true;                                                              \
            std::printf("%s:%d: %s for %s\n  got      %s\n  expected %s\n", __FILE__, __LINE__, \
                        #actual, std::string(context).c_str(), Show(actualValue).c_str(),  \
                        Show(expectedValue).c_str());                                       \
        }                                                                                   \
    } while (0)

void FindLastStaysInsideTheText() {
    struct Case {
        std::string t, s;
        int position;
    } cases[] = {
        {"ab\xD2", "\xD2", 3},          // a lead byte at the end stands alone
        {"\xD2", "\xD2", 1},
        {"\xD2\xD2\xD2", "\xD2", 3},    // the middle byte is a trail byte
        {"ab\xD2", "b\xD2", 2},         // a match ending on the lone lead byte
        {"\xD2", "\xD2\x5C", -1},       // s runs past the end of t
        {"ab", "abc", -1},
        {"abc", "abc", 1},
        {"x\xF2\x5C", "\\", -1},        // the only 5C is a trail byte
        {"\xF2\x5C\\", "\\", 3},
        {"", "a", -1},
        {"a", "", -1},
        {"", "", -1},
    };
    for (const Case& c : cases) {
        const ExactBuffer t(c.t), s(c.s);
        CHECK_EQ(FindLast(t.view(), s.view()), c.position, Show(c.t) + " / " + Show(c.s));
    }
}

void ReplaceInBytesStaysInsideTheBytes() {
    struct Case {
        Bytes b, find, replacement, result;
    } cases[] = {
        {{1, 2}, {1, 2, 3}, {9}, {1, 2}},          // find longer than b
        {{1, 2}, {1, 2}, {9}, {9}},
        {{1, 2, 3}, {2, 3}, {9}, {1, 9}},          // find at the very end
        {{1, 2, 3, 1}, {1, 2}, {9}, {9, 3, 1}},    // find's first byte at the end
        {{1, 2}, {2}, {5, 5, 5}, {1, 5, 5, 5}},
        {{0, 0, 0}, {0, 0}, {7}, {7, 0}},
        {{}, {1}, {9}, {}},
        {{}, {}, {9}, {}},
    };
    for (const Case& c : cases) {
        CHECK_EQ(ReplaceInBytes(c.b, c.find, c.replacement), c.result,
                 Show(c.b) + " find " + Show(c.find));
    }
}

void TextFromBufferNeverReadsPastSize() {
    struct Case {
        std::string buffer;
        std::size_t size;
        std::string text;
    } cases[] = {
        {"abc", 3, "abc"},  // no NUL anywhere
        {"abcd", 2, "ab"},
        {std::string("ab\0", 3), 3, "ab"},
        {std::string("\0abc", 4), 4, ""},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        ExactBuffer buffer(c.buffer);
        CHECK_EQ(TextFromBuffer(buffer.data(), c.size), c.text, Show(c.buffer));
    }
}

void TakeClampsAnyCount() {
    struct Case {
        std::string t;
        int n;
        std::string left, right;
    } cases[] = {
        {"abc", INT_MAX, "abc", "abc"},
        {"abc", INT_MIN, "", ""},
        {"abc", 2, "ab", "bc"},
        {"", INT_MAX, "", ""},
        {"", 1, "", ""},
    };
    for (const Case& c : cases) {
        const ExactBuffer t(c.t);
        const std::string context = Show(c.t) + " n=" + std::to_string(c.n);
        CHECK_EQ(TakeLeft(t.view(), c.n), c.left, context);
        CHECK_EQ(TakeRight(t.view(), c.n), c.right, context);
    }
}

void PathSplitsAtTheEdges() {
    struct Case {
        std::string full;
        std::string key, value;            // SplitFullPath
        std::string typedKey, typedValue;  // SplitTypedPath
    } cases[] = {
        {"", "", "", "", ""},
        {"\\", "", "", "", ""},
        {"\\\\", "\\", "", "\\", ""},
        {"a\\", "a", "", "", "a"},
        {"\\a", "", "a", "\\", "a"},
        {"\xF2", "", "\xF2", "", "\xF2"},
        {"\xF2\x5C", "", "\xF2\x5C", "", "\xF2"},
        {"\\\xF2\x5C", "", "\xF2\x5C", "\\", "\xF2"},
        {"\xF2\x5C\x5C", "\xF2\x5C", "", "", "\xF2\x5C"},
    };
    for (const Case& c : cases) {
        const ExactBuffer full(c.full);
        const RegistryLocation split = SplitFullPath(full.view());
        CHECK_EQ(split.keyPath, c.key, Show(c.full));
        CHECK_EQ(split.valueName, c.value, Show(c.full));
        const RegistryLocation typedSplit = SplitTypedPath(full.view());
        CHECK_EQ(typedSplit.keyPath, c.typedKey, Show(c.full));
        CHECK_EQ(typedSplit.valueName, c.typedValue, Show(c.full));
    }
}

void LinkCommandFitsOrIsRefused() {
    const std::string filler(1022, 'a');
    struct Case {
        std::string registered, address;
        std::size_t capacity;
        bool built;
        std::string command;  // "" when refused
    } cases[] = {
        // Placeholders: quoted, bare, none.
        {"\"C:\\b.exe\" -url \"%1\"", "http://z", 64, true, "\"C:\\b.exe\" -url  http://z"},
        {"b.exe %1", "u", 64, true, "b.exe  u"},
        {"b.exe", "u", 64, true, "b.exe u"},
        {"b.exe %1 \"%1\"", "u", 64, true, "b.exe %1  u"},  // the quoted one wins
        {"b.exe \"%1", "u", 64, true, "b.exe \" u"},
        {"b.exe %", "u", 64, true, "b.exe % u"},
        {"%1", "u", 3, true, " u"},
        // Nine characters and the NUL: exactly full, then one byte short.
        {"app.exe", "x", 10, true, "app.exe x"},
        {"app.exe", "x", 9, false, ""},
        {"b.exe %1 " + filler, "u", 9, true, "b.exe  u"},  // cut short enough to fit
        {"", "", 2, true, " "},
        {"a", "", 2, false, ""},
        {"", "b", 2, false, ""},
        {"", "", 1, false, ""},
        {"", "", 0, false, ""},
        {"", filler, kLinkCommandCapacity, true, " " + filler},
        {"", filler + "a", kLinkCommandCapacity, false, ""},
        {filler, "", kLinkCommandCapacity, true, filler + " "},
        {filler + "a", "", kLinkCommandCapacity, false, ""},
        {filler + "aa", "", kLinkCommandCapacity, false, ""},  // no room for the space
        {"app.exe", "", 4, false, ""},
        {"b.exe", filler + filler, kLinkCommandCapacity, false, ""},
    };
    for (const Case& c : cases) {
        // Inputs end at their NUL; the output has exactly capacity bytes, none
        // of them NUL, so an overrun and a missing terminator both show.
        ExactBuffer registered(std::string_view(c.registered.c_str(), c.registered.size() + 1));
        ExactBuffer address(std::string_view(c.address.c_str(), c.address.size() + 1));
        ExactBuffer out(std::string(c.capacity, 'X'));
        const bool built = BuildLinkCommand(registered.data(), address.data(), out.data(), c.capacity);
        const std::string context = Show(c.registered) + " + " + Show(c.address) +
                                    " in " + std::to_string(c.capacity);
        CHECK_EQ(built, c.built, context);
        if (c.capacity == 0) continue;
        const void* nul = std::memchr(out.data(), '\0', out.size());
        CHECK_EQ(nul != nullptr, true, context);
        if (nul) CHECK_EQ(std::string(out.data()), c.command, context);
    }
}

struct NamedCase {
    const char* name;
    void (*run)();
} const kCases[] = {
    {"find_last_bounds", FindLastStaysInsideTheText},
    {"replace_in_bytes_bounds", ReplaceInBytesStaysInsideTheBytes},
    {"text_from_buffer_bounds", TextFromBufferNeverReadsPastSize},
    {"take_bounds", TakeClampsAnyCount},
    {"path_split_bounds", PathSplitsAtTheEdges},
    {"link_command_bounds", LinkCommandFitsOrIsRefused},
};

bool Run(const NamedCase& c) {
    caseFailed = false;
    c.run();
    std::printf("%s %s\n", caseFailed ? "FAIL" : "ok  ", c.name);
    return !caseFailed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const NamedCase& c : kCases) std::printf("%s\n", c.name);
        return 0;
    }
    bool allPassed = true;
    for (const NamedCase& c : kCases) {
        bool wanted = argc == 1;
        for (int i = 1; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], c.name) == 0;
        if (wanted) allPassed = Run(c) && allPassed;
    }
    for (int i = 1; i < argc; ++i) {
        bool known = false;
        for (const NamedCase& c : kCases) known = known || std::strcmp(argv[i], c.name) == 0;
        if (!known) {
            std::printf("FAIL %s: no such case\n", argv[i]);
            allPassed = false;
        }
    }
    return allPassed ? 0 : 1;
}
