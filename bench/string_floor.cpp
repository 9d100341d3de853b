// The size floor: the least a program that uses std::string and std::vector
// weighs when linked as zelvora.exe is (static C++ runtime, stripped, the
// runtime's verbose terminate handler and its demangler left out).
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    std::vector<std::string> words;
    std::string word;
    for (const char* c = commandLine; *c; ++c) {
        if (*c == ' ') {
            words.push_back(word);
            word.clear();
        } else {
            word += *c;
        }
    }
    words.push_back(word);
    return static_cast<int>(words.size() + words.front().size());
}
