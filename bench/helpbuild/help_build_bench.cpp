// Making the help file of a generated project against loading that project
// from its .qpx file, in the same run. Sizes are in pages; both should grow
// linearly, and making should take at most twice the time of loading.
//
// BM_MakeHelpFile loads the project afresh before every build, outside the
// timed part, and reports that load time too: "make_over_load" is the time
// of the builds over the time of the loads measured beside them.

#include <benchmark/benchmark.h>

#include <chrono>
#include <stdexcept>

#include "build/BuildMessages.h"
#include "build/MakeHelpFile.h"
#include "model/HelpProject.h"
#include "model/ProjectFile.h"
#include "support/fresh_machine.h"
#include "support/generated_project.h"

namespace {

const char* const kProjectFile = "C:\\Bench.qpx";

// The build must succeed, or the figures would time an aborted build.
class SuccessCheck : public IBuildMessages {
public:
    void Show(const std::string& message) override {
        if (message != "The file was created successfully.") throw std::runtime_error("help build: " + message);
    }
};

void SaveGeneratedProject(int pages) {
    WriteProjectFile(*benchsupport::GenerateProject(pages), kProjectFile);
}

std::unique_ptr<THelpProject> LoadProject() {
    auto project = std::make_unique<THelpProject>();
    ReadProjectFile(*project, kProjectFile);
    project->Globals.ProjectFileName = kProjectFile;
    return project;
}

void Make(THelpProject& project) {
    SuccessCheck messages;
    TMakeOptions options;
    options.StartCompiler = false;
    if (MakeHelpFile(project, messages, options) != TMakeResult::Succeeded)
        throw std::runtime_error("help build did not run");
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_LoadProject(benchmark::State& state) {
    testsupport::FreshMachine machine;
    SaveGeneratedProject(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto project = LoadProject();
        benchmark::DoNotOptimize(project->Pages.Count());
    }
    state.SetComplexityN(state.range(0));
}

void BM_MakeHelpFile(benchmark::State& state) {
    testsupport::FreshMachine machine;
    SaveGeneratedProject(static_cast<int>(state.range(0)));
    std::chrono::steady_clock::duration loading{};
    std::chrono::steady_clock::duration making{};
    for (auto _ : state) {
        state.PauseTiming();
        const auto loadStart = std::chrono::steady_clock::now();
        auto project = LoadProject();
        loading += std::chrono::steady_clock::now() - loadStart;
        state.ResumeTiming();

        const auto makeStart = std::chrono::steady_clock::now();
        Make(*project);
        making += std::chrono::steady_clock::now() - makeStart;

        state.PauseTiming();
        project.reset();  // freeing the project is not part of the build
        state.ResumeTiming();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["load_ms"] = 1000.0 * Seconds(loading) / iterations;
    state.counters["make_ms"] = 1000.0 * Seconds(making) / iterations;
    state.counters["make_over_load"] = Seconds(making) / Seconds(loading);
    state.SetComplexityN(state.range(0));
}

void PageCounts(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

BENCHMARK(BM_LoadProject)->Apply(PageCounts);
BENCHMARK(BM_MakeHelpFile)->Apply(PageCounts);

}  // namespace
