// Saving and loading a .qpx project against writing and reading the same
// bytes as plain lines (TStringList::SaveToFile / LoadFromFile) in the same
// run. Sizes are in pages; both should grow linearly.

#include <benchmark/benchmark.h>

#include "model/HelpProject.h"
#include "model/ProjectFile.h"
#include "support/fresh_machine.h"
#include "support/generated_project.h"

namespace {

using benchsupport::GenerateProject;

const char* const kProjectFile = "C:\\bench.qpx";
const char* const kPlainFile = "C:\\plain.txt";

// Reports the project file's size and the throughput over it, and the
// size in pages for the complexity fit.
void ReportSize(benchmark::State& state) {
    TStringList lines;
    lines.LoadFromFile(kProjectFile);
    const auto bytes = static_cast<int64_t>(lines.Text().size());
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_bytes"] = static_cast<double>(bytes);
    state.SetComplexityN(state.range(0));
}

void BM_SaveProject(benchmark::State& state) {
    testsupport::FreshMachine machine;
    const auto project = GenerateProject(static_cast<int>(state.range(0)));
    for (auto _ : state) WriteProjectFile(*project, kProjectFile);
    ReportSize(state);
}

void BM_LoadProject(benchmark::State& state) {
    testsupport::FreshMachine machine;
    WriteProjectFile(*GenerateProject(static_cast<int>(state.range(0))), kProjectFile);
    for (auto _ : state) {
        THelpProject project;
        ReadProjectFile(project, kProjectFile);
        benchmark::DoNotOptimize(project.Pages.Count());
    }
    ReportSize(state);
}

// The same bytes written and read as plain lines.
void BM_PlainLinesWrite(benchmark::State& state) {
    testsupport::FreshMachine machine;
    WriteProjectFile(*GenerateProject(static_cast<int>(state.range(0))), kProjectFile);
    TStringList lines;
    lines.LoadFromFile(kProjectFile);
    for (auto _ : state) lines.SaveToFile(kPlainFile);
    ReportSize(state);
}

void BM_PlainLinesRead(benchmark::State& state) {
    testsupport::FreshMachine machine;
    WriteProjectFile(*GenerateProject(static_cast<int>(state.range(0))), kProjectFile);
    for (auto _ : state) {
        TStringList lines;
        lines.LoadFromFile(kProjectFile);
        benchmark::DoNotOptimize(lines.Count());
    }
    ReportSize(state);
}

void PageCounts(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

BENCHMARK(BM_SaveProject)->Apply(PageCounts);
BENCHMARK(BM_PlainLinesWrite)->Apply(PageCounts);
BENCHMARK(BM_LoadProject)->Apply(PageCounts);
BENCHMARK(BM_PlainLinesRead)->Apply(PageCounts);

}  // namespace
