// Peak resident memory of adding a file to an archive and extracting it
// again, for a 64 MB and a 1 GB file (sparse, so they cost no disk until
// extracted), on a fresh machine's C: drive. The counters are KiB above the
// resident size just before each operation; they should not grow with the
// file. Needs about 1.1 GB of free space in the temporary folder.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "archive/cmp_TQrvlCompress.h"
#include "support/fresh_machine.h"
#include "support_peak_memory.h"

namespace {

const char* const kSource = "C:\\src\\big.bin";
const char* const kArchive = "C:\\build\\big.1";

void BM_PeakMemory(benchmark::State& state) {
    const int64_t bytes = state.range(0) << 20;
    testsupport::FreshMachine machine;
    const std::filesystem::path source = machine.HostPath(kSource);
    std::filesystem::create_directories(source.parent_path());
    std::ofstream(source).close();
    std::filesystem::resize_file(source, uintmax_t(bytes));
    for (auto _ : state) {
        state.counters["add_KiB"] = double(archivetest::PeakGrowthKiB([] {
            TQrvlCompress engine(nullptr);
            engine.SetCompressionLevel(colFastest);
            engine.SetCompressedFile(kArchive);
            engine.FilesToProcess()->Add(kSource);
            engine.AddFiles(lzcOverwrite, 1);
        }));
        state.counters["extract_KiB"] = double(archivetest::PeakGrowthKiB([] {
            TQrvlCompress engine(nullptr);
            engine.SetCompressedFile(kArchive);
            engine.SetExtractDirectory("C:\\out");
            engine.FilesToProcess()->Add(kSource);
            engine.ExtractFiles();
        }));
        if (std::filesystem::file_size(machine.HostPath("C:\\out\\big.bin")) != uintmax_t(bytes))
            state.SkipWithError("the extracted file has the wrong size");
        std::filesystem::remove(machine.HostPath("C:\\out\\big.bin"));
    }
    state.SetBytesProcessed(2 * bytes * state.iterations());
}

BENCHMARK(BM_PeakMemory)->Arg(64)->Arg(1024)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
