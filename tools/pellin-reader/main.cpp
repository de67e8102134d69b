// pellin-reader: reads a decompiled help file and writes its book; the
// answer goes to standard output for the converter that started it.
#include <cstdio>
#include <string>
#include <vector>

#include "convert/job/PageReader.h"

int main(int argc, char** argv) {
    return RunPageReader(std::vector<std::string>(argv + 1, argv + argc), stdout);
}
