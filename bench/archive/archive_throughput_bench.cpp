// Adding and extracting a 64 MB corpus of mixed data (text, random bytes,
// zeros) through TQrvlCompress on a fresh machine's C: drive, at zlib levels
// 1 and 9. Every iteration also runs the plain zlib loop on the same bytes
// with the same buffer sizes (plain_zlib.h), alternating which goes first;
// the reported time is the engine's, and the counter "ratio" is the
// engine's throughput over the plain loop's (at least 0.9 is the aim).
//
//   archive_throughput_bench --benchmark_repetitions=3

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "archive/cmp_TQrvlCompress.h"
#include "plain_zlib.h"
#include "support/fresh_machine.h"
#include "support_archive.h"

namespace {

constexpr int64_t kCorpusBytes = 64 << 20;
const char* const kCorpus = "C:\\bench\\corpus.bin";

// The machine and its corpus, made once for the whole run.
struct Corpus {
    Corpus() { archivetest::Place(archivetest::MixedBytes(size_t(kCorpusBytes), 64), kCorpus); }
    testsupport::FreshMachine machine;
    std::filesystem::path Host(const std::string& windowsPath) const { return machine.HostPath(windowsPath); }
};

Corpus& TheCorpus() {
    static Corpus corpus;
    return corpus;
}

TCompressionLevel LevelOf(const benchmark::State& state) { return state.range(0) == 1 ? colFastest : colMax; }

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Adds the corpus as the only member of `archive`.
void EngineAdd(TCompressionLevel level, const std::string& archive) {
    TQrvlCompress engine(nullptr);
    engine.SetCompressionLevel(level);
    engine.SetCompressedFile(archive);
    engine.FilesToProcess()->Add(kCorpus);
    engine.AddFiles(lzcOverwrite, 1);
}

// Runs both sides once per iteration, the engine's time as the
// iteration's, and reports both throughputs and their ratio.
void Compare(benchmark::State& state, const std::function<void()>& engine, const std::function<void()>& plain,
             const std::function<void()>& prepare) {
    double engineSeconds = 0, plainSeconds = 0;
    bool engineFirst = true;
    for (auto _ : state) {
        prepare();
        double e = 0, p = 0;
        if (engineFirst) {
            e = Seconds(engine);
            p = Seconds(plain);
        } else {
            p = Seconds(plain);
            e = Seconds(engine);
        }
        engineFirst = !engineFirst;
        engineSeconds += e;
        plainSeconds += p;
        state.SetIterationTime(e);
    }
    const double megabytes = double(kCorpusBytes) * double(state.iterations()) / 1e6;
    state.SetBytesProcessed(kCorpusBytes * state.iterations());
    state.counters["engine_MB/s"] = megabytes / engineSeconds;
    state.counters["zlib_MB/s"] = megabytes / plainSeconds;
    state.counters["ratio"] = plainSeconds / engineSeconds;
}

void BM_Add(benchmark::State& state) {
    Corpus& corpus = TheCorpus();
    const TCompressionLevel level = LevelOf(state);
    int64_t plainLength = 0;
    Compare(
        state, [&] { EngineAdd(level, "C:\\bench\\added.1"); },
        [&] { plainLength = archivebench::PlainDeflate(corpus.Host(kCorpus), corpus.Host("C:\\bench\\plain.z"), ZlibLevel(level)); },
        [] {});
    // Both sides must have made the same stream.
    TQrvlCompress engine(nullptr);
    engine.SetCompressedFile("C:\\bench\\added.1");
    if (engine.GetFileStats(0).PackedSize != plainLength) state.SkipWithError("the engine's stream differs from zlib's");
}

void BM_Extract(benchmark::State& state) {
    Corpus& corpus = TheCorpus();
    const std::string archive = "C:\\bench\\extract.1";
    EngineAdd(LevelOf(state), archive);
    TQrvlCompress reader(nullptr);
    reader.SetCompressedFile(archive);
    const TFileHeaderRecord member = reader.GetFileStats(0).Header;
    const std::filesystem::path engineOut = corpus.Host("C:\\out\\corpus.bin"), plainOut = corpus.Host("C:\\out\\plain.bin");
    int64_t plainWritten = 0;
    Compare(
        state,
        [&] {
            TQrvlCompress engine(nullptr);
            engine.SetCompressedFile(archive);
            engine.SetExtractDirectory("C:\\out");
            engine.FilesToProcess()->Add(kCorpus);
            engine.ExtractFiles();
        },
        [&] {
            plainWritten = archivebench::PlainInflate(corpus.Host(archive), member.DataStart,
                                                      int64_t(member.EndPosition) - member.DataStart + 1, plainOut);
        },
        // Both write new files, as an installation does.
        [&] {
            std::filesystem::remove(engineOut);
            std::filesystem::remove(plainOut);
        });
    if (std::filesystem::file_size(engineOut) != uint64_t(kCorpusBytes) || plainWritten != kCorpusBytes)
        state.SkipWithError("a side did not write the whole corpus");
}

BENCHMARK(BM_Add)->Arg(1)->Arg(9)->Iterations(4)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Extract)->Arg(1)->Arg(9)->Iterations(6)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
