// quillery-archive: the archive engine for people and scripts.
//
//   quillery-archive list ARCHIVE [--offset N]
//   quillery-archive extract ARCHIVE MEMBER... --to DIR [--offset N] [--overwrite RULE]
//   quillery-archive add ARCHIVE FILE... [--append] [--level none|fastest|default|max] [--id N]
//   quillery-archive span ARCHIVE DIR NAME
//
// Paths (and member names) may be Windows paths of the machine or host
// paths (taken through Z:). Spanning into drive A: splits the archive over
// floppies of 1.44 MB: the disk labelled DISK1 goes in first, a new disk
// DISK2, DISK3, ... for every further volume, and extracting from A: puts
// in the disk each volume asks for. Errors go to stderr with exit status
// 1; usage errors exit with 2.

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/cmp_TQrvlCompress.h"
#include "vcl/files/file_routines.h"
#include "vcl/system/convert.h"
#include "vcl/system/datetime.h"
#include "vcl/system/format.h"
#include "win32/floppy.h"
#include "win32/paths.h"

namespace {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A host path ("/home/ann/files.1") seen through the machine's Z: drive.
std::string MachinePath(const std::string& arg) { return !arg.empty() && arg[0] == '/' ? win32::HostToWindowsPath(arg) : arg; }

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--to" -> value; flags map to ""
};

Arguments Parse(int argc, char** argv) {
    static const std::map<std::string, bool> kOptions = {  // name -> takes a value
        {"--offset", true}, {"--to", true}, {"--overwrite", true}, {"--append", false}, {"--level", true}, {"--id", true}};
    Arguments a;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0) {
            a.positional.push_back(arg);
            continue;
        }
        auto known = kOptions.find(arg);
        if (known == kOptions.end()) throw UsageError("unknown option " + arg);
        if (known->second && i + 1 >= argc) throw UsageError(arg + " needs a value");
        a.options[arg] = known->second ? argv[++i] : "";
    }
    return a;
}

int32_t IntOption(const Arguments& a, const std::string& name, int32_t def) {
    auto it = a.options.find(name);
    if (it == a.options.end()) return def;
    int32_t value;
    if (!TryStrToInt(it->second, value)) throw UsageError(name + " needs a number, not " + it->second);
    return value;
}

template <class E>
E Choice(const Arguments& a, const std::string& name, const std::vector<std::string>& names, E def) {
    auto it = a.options.find(name);
    if (it == a.options.end()) return def;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == it->second) return static_cast<E>(i);
    throw UsageError("unknown value for " + name + ": " + it->second);
}

std::string DateText(TDateTime date) {
    uint16_t y, mo, d, h, mi, s, ms;
    DecodeDate(date, y, mo, d);
    DecodeTime(date, h, mi, s, ms);
    return Format("%.4d-%.2d-%.2d %.2d:%.2d:%.2d", {int(y), int(mo), int(d), int(h), int(mi), int(s)});
}

// A one-line progress bar on stderr when it is a terminal.
TlzhFileStatsEvent ProgressBar() {
    if (!isatty(2)) return nullptr;
    return TlzhFileStatsEvent(nullptr, [](TQrvlCompress*, const TlzhFileStats& s) {
        const int filled = s.TotalPercentDone * 40 / 100;
        std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(size_t(std::min(filled, 40)), '#').c_str(),
                     std::string(size_t(40 - std::min(filled, 40)), ' ').c_str(), int(s.TotalPercentDone));
        std::fflush(stderr);
    });
}

bool OnFloppyDrive(const std::string& path) {
    return path.size() >= 2 && (path[0] == 'A' || path[0] == 'a') && path[1] == ':' &&
           (path.size() == 2 || path[2] == '\\');
}

std::string FloppyLabel(int32_t disk) { return "DISK" + IntToStr(disk); }

// Answers the engine's disk requests: on drive A: the floppy of the
// requested volume goes in (a new, empty one the first time); volumes in
// any other folder lie side by side there.
TlzhNewDiskEvent DiskChanger() {
    return TlzhNewDiskEvent(nullptr, [](TQrvlCompress*, int32_t disk, std::string& path) {
        if (!OnFloppyDrive(path)) return;
        win32::InsertFloppy(FloppyLabel(disk));
        path = "A:";
        if (isatty(2)) std::fprintf(stderr, "\rdisk %s is in drive A:\n", FloppyLabel(disk).c_str());
    });
}

// An archive named on drive A: but missing from the disk in the drive is
// looked for on the first disk of a set.
std::string ArchiveArgument(const std::string& arg) {
    const std::string archive = MachinePath(arg);
    if (OnFloppyDrive(archive) && !FileExists(archive)) win32::InsertFloppy(FloppyLabel(1));
    return archive;
}

void NeedPositional(const Arguments& a, size_t count, const char* usage) {
    if (a.positional.size() < count) throw UsageError(std::string("usage: quillery-archive ") + usage);
}

int Run(const std::string& command, const Arguments& a) {
    TQrvlCompress engine(nullptr);
    engine.SetOnStatus(ProgressBar());
    if (command == "list") {
        NeedPositional(a, 1, "list ARCHIVE [--offset N]");
        engine.SetCompressedFile(ArchiveArgument(a.positional[0]));
        engine.SetOffset(IntOption(a, "--offset", 0));
        engine.SetOnListing(TlzhFileStatsEvent(nullptr, [](TQrvlCompress*, const TlzhFileStats& s) {
            const TFileHeaderRecord& h = s.Header;
            std::cout << h.FileNumber << '\t' << h.Name << '\t' << h.Size << '\t' << h.CompressedSize << '\t'
                      << DateText(h.Date) << '\t' << h.UniqueID << '\t' << h.Version << '\t' << int(h.StartDisk) << '\t'
                      << h.DataStart << '\t' << int(h.EndDisk) << '\t' << h.EndPosition << '\n';
        }));
        engine.ListFiles();
    } else if (command == "extract") {
        NeedPositional(a, 2, "extract ARCHIVE MEMBER... --to DIR [--offset N] [--overwrite RULE]");
        if (!a.options.count("--to")) throw UsageError("extract needs --to DIR");
        engine.SetCompressedFile(ArchiveArgument(a.positional[0]));
        engine.SetOffset(IntOption(a, "--offset", 0));
        engine.SetExtractDirectory(MachinePath(a.options.at("--to")));
        engine.SetOverwrite(Choice<TOverwriteType>(
            a, "--overwrite", {"always", "never", "version", "date", "versiondate", "ask"}, owAlways));
        for (size_t i = 1; i < a.positional.size(); ++i) engine.FilesToProcess()->Add(MachinePath(a.positional[i]));
        engine.SetOnNewDisk(DiskChanger());
        engine.ExtractFiles();
    } else if (command == "add") {
        NeedPositional(a, 2, "add ARCHIVE FILE... [--append] [--level none|fastest|default|max] [--id N]");
        engine.SetCompressedFile(MachinePath(a.positional[0]));
        engine.SetCompressionLevel(
            Choice<TCompressionLevel>(a, "--level", {"none", "fastest", "default", "max"}, colMax));
        for (size_t i = 1; i < a.positional.size(); ++i) engine.FilesToProcess()->Add(MachinePath(a.positional[i]));
        engine.AddFiles(a.options.count("--append") ? lzcOnlyAdd : lzcOverwrite, IntOption(a, "--id", 0));
    } else if (command == "span") {
        NeedPositional(a, 3, "span ARCHIVE DIR NAME");
        engine.SetCompressedFile(MachinePath(a.positional[0]));
        const std::string folder = MachinePath(a.positional[1]);
        if (OnFloppyDrive(folder)) win32::InsertFloppy(FloppyLabel(1));
        engine.SetOnNewDisk(DiskChanger());
        engine.SpanToDisks(folder, a.positional[2]);
    } else {
        throw UsageError("unknown command " + command + " (list, extract, add, span)");
    }
    if (isatty(2)) std::fputc('\n', stderr);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc < 2) throw UsageError("usage: quillery-archive list|extract|add|span ARCHIVE ...");
        return Run(argv[1], Parse(argc, argv));
    } catch (const UsageError& e) {
        std::cerr << "quillery-archive: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quillery-archive: " << e.what() << '\n';
        return 1;
    }
}
