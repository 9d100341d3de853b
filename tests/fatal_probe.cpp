// Calls the typed writer with the selectors from its command line, so that a
// test can watch the fatal error report end this process.
#include "relocation/typed_writer.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    Text path = argv[3];
    Bytes data = TextToBytes("probe");
    WriteRegistryTyped(std::atoi(argv[1]), path, std::atoi(argv[2]), data);
    return 0;
}
