#include "win32/floppy.h"

#include <fstream>
#include <iterator>

#include "win32/host_names.h"
#include "win32/machine.h"
#include "win32/machine_lock.h"

namespace win32 {

namespace fs = std::filesystem;

namespace {
std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

void WriteText(const fs::path& file, const std::string& text) {
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text << "\n";
        if (!out.flush()) throw MachineError("cannot write " + temporary.string());
    }
    fs::rename(temporary, file);
}

fs::path Store() { return CurrentMachine().FloppiesFolder(); }

void MakeDisk(const fs::path& floppies, int number, const std::string& label) {
    fs::create_directories(floppies / std::to_string(number));
    WriteText(floppies / (std::to_string(number) + ".label"), label);
}
}  // namespace

void CreateFloppyStore(const fs::path& floppies) {
    MakeDisk(floppies, 1, "");
    WriteText(floppies / "inserted", "1");
}

int InsertedFloppyNumber() {
    const std::string text = ReadText(Store() / "inserted");
    try {
        const int number = std::stoi(text);
        if (number > 0 && fs::is_directory(Store() / std::to_string(number))) return number;
    } catch (const std::exception&) {
    }
    throw MachineError("corrupt machine " + CurrentMachine().Folder().string() +
                       ": floppies/inserted names no disk");
}

fs::path InsertedFloppyFolder() { return Store() / std::to_string(InsertedFloppyNumber()); }

std::string InsertedFloppyLabel() {
    return ReadText(Store() / (std::to_string(InsertedFloppyNumber()) + ".label"));
}

int InsertFloppy(const std::string& label) {
    MachineLock lock;
    const std::string wanted = label.substr(0, 11);
    int highest = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(Store(), error)) {
        if (!entry.is_directory()) continue;
        int number = 0;
        try {
            number = std::stoi(entry.path().filename().string());
        } catch (const std::exception&) {
            continue;
        }
        highest = std::max(highest, number);
        if (!wanted.empty() && SameName(ReadText(Store() / (std::to_string(number) + ".label")), wanted)) {
            WriteText(Store() / "inserted", std::to_string(number));
            return number;
        }
    }
    MakeDisk(Store(), highest + 1, wanted);
    WriteText(Store() / "inserted", std::to_string(highest + 1));
    return highest + 1;
}

int64_t FloppyUsedBytes() {
    int64_t used = 0;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(InsertedFloppyFolder(), error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (error) break;
        if (it->is_directory()) {
            used += kFloppySectorSize;
        } else {
            const auto size = static_cast<int64_t>(it->file_size(error));
            used += (size + kFloppySectorSize - 1) / kFloppySectorSize * kFloppySectorSize;
        }
    }
    return used;
}

}  // namespace win32
