// The machine tool's entry point (machine_tool.h).

#include <iostream>

#include "machine_tool.h"

int main(int argc, char** argv) {
    return machinetool::RunMachineTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
