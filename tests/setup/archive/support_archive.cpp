#include "support_archive.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "support/machine_files.h"
#include "support/temp_dir.h"

namespace archivetest {

std::string Place(const std::string& bytes, const std::string& to) { return testsupport::PlaceBytes(bytes, to); }

std::string Contents(const std::string& windowsPath) { return testsupport::MachineFileBytes(windowsPath); }

int32_t Le32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v |= uint32_t(uint8_t(bytes.at(at + i))) << (8 * i);
    return int32_t(v);
}

std::string Bytes(const TFileHeaderBytes& header) { return std::string(header.begin(), header.end()); }

TFileHeaderRecord HeaderAt(const std::string& archive, size_t at) {
    TFileHeaderBytes b;
    for (size_t i = 0; i < b.size(); ++i) b[i] = uint8_t(archive.at(at + i));
    return DecodeFileHeader(b);
}

std::string PythonInflate(const std::string& stream) {
    testsupport::TempDir dir("archive-zlib");
    testsupport::WriteHostFile(dir / "member.z", stream);
    const std::string command = "/usr/bin/python3 -c \"import sys, zlib; sys.stdout.buffer.write(zlib.decompress("
                                "open(sys.argv[1], 'rb').read()))\" '" +
                                (dir / "member.z").string() + "' > '" + (dir / "member").string() + "'";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("python's zlib refused the member");
    return testsupport::ReadHostFile(dir / "member");
}

std::string MixedBytes(size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    static const std::string text = "The quick brown fox jumps over the lazy dog. Help topics, jumps and popups.\r\n";
    std::string bytes;
    bytes.reserve(size);
    while (bytes.size() < size) {
        switch (random() % 3) {
        case 0: bytes += text; break;
        case 1:
            for (int i = 0; i < 300; ++i) bytes += char(random());
            break;
        default: bytes.append(500, '\0');
        }
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace archivetest
