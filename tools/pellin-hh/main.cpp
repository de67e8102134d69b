// pellin-hh: decompiles a CHM help file into a folder.
#include <string>
#include <vector>

#include "HhDecompile.h"

int main(int argc, char** argv) { return RunHh(std::vector<std::string>(argv + 1, argv + argc)); }
