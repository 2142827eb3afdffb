// Making the help file of a generated project against loading that project
// from its .qpx file, in the same run. Sizes are in pages; both should grow
// linearly, and making should take at most twice the time of loading.
//
// The make benchmarks load the project afresh before every build, outside
// the timed part, and report that load time too: "make_over_load" is the
// time of the builds over the time of the loads measured beside them.
//
// BM_MakeHelpFile writes each build's files into a new folder, as an
// author's build after an edit finds the last build's files long written
// to disk. BM_RebuildHelpFile builds over the files the build before wrote
// a few milliseconds earlier: on a disk file system, emptying them then
// waits for the kernel to finish writing them out, a wait it shows apart.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "build/BuildMessages.h"
#include "build/MakeHelpFile.h"
#include "model/HelpProject.h"
#include "model/ProjectFile.h"
#include "support/fresh_machine.h"
#include "support/generated_project.h"
#include "win32/directories.h"
#include "win32/paths.h"

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

// A new, empty folder for the files of build `build`, in place of the one
// the build before used.
std::string FreshBuildFolder(int build) {
    const std::string folder = "C:\\Build" + std::to_string(build % 2);
    std::filesystem::remove_all(*win32::WindowsToHostPath(folder));
    if (!win32::CreateDirectory(folder, nullptr)) throw std::runtime_error("cannot create " + folder);
    return folder;
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

void TimeBuilds(benchmark::State& state, bool freshFolders) {
    testsupport::FreshMachine machine;
    SaveGeneratedProject(static_cast<int>(state.range(0)));
    std::chrono::steady_clock::duration loading{};
    std::chrono::steady_clock::duration making{};
    int build = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto loadStart = std::chrono::steady_clock::now();
        auto project = LoadProject();
        loading += std::chrono::steady_clock::now() - loadStart;
        if (freshFolders) project->Globals.ProjectFileName = FreshBuildFolder(build++) + "\\Bench.qpx";
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

void BM_MakeHelpFile(benchmark::State& state) { TimeBuilds(state, true); }
void BM_RebuildHelpFile(benchmark::State& state) { TimeBuilds(state, false); }

void PageCounts(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

BENCHMARK(BM_LoadProject)->Apply(PageCounts);
BENCHMARK(BM_MakeHelpFile)->Apply(PageCounts);
BENCHMARK(BM_RebuildHelpFile)->Apply(PageCounts);

}  // namespace
