// Writes the binary version block that a version description asks for:
//   quillery_version_block <description file> <output file>
// Run by the build (cmake/QuilleryVersion.cmake) for each program that
// carries a version block.

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>

#include "win32/version/version_block_writer.h"
#include "win32/version/version_description.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <description file> <output file>\n", argv[0]);
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
            return 1;
        }
        const std::string description{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const std::string block = win32::BuildVersionBlock(win32::ParseVersionDescription(description));
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(block.data(), std::streamsize(block.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1], e.what());
        return 1;
    }
    return 0;
}
