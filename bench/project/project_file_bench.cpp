// Saving and loading a .qpx project against writing and reading the same
// bytes as plain lines (TStringList::SaveToFile / LoadFromFile) in the same
// run. Sizes are in pages; both should grow linearly.

#include <benchmark/benchmark.h>

#include <memory>

#include "model/HelpProject.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/ProjectFile.h"
#include "model/TOCObject.h"
#include "support/fresh_machine.h"
#include "vcl/system/convert.h"

namespace {

const char* const kProjectFile = "C:\\bench.qpx";
const char* const kPlainFile = "C:\\plain.txt";

// Pages shaped like an author's: twenty lines of RTF with markers, a
// two-line header, three links and two pictures; one contents topic each.
std::unique_ptr<THelpProject> GenerateProject(int pages) {
    auto project = std::make_unique<THelpProject>();
    project->Globals.HelpFileName = "Bench";
    for (int i = 0; i < pages; ++i) {
        const std::string name = "Page " + IntToStr(i);
        auto* entry = new TTocObject(name, false);
        entry->PageName = name;
        project->Globals.TocList.AddObject("\t" + name, entry);

        TPageObject* page = project->CreatePage(name);
        page->TopicID = "IDH_PAGE_" + IntToStr(i);
        page->TopicTitle = "Title of " + name;
        page->IndexKeywords = "bench;" + name;
        page->Content.Add("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}");
        page->Content.Add("{\\colortbl ;\\red0\\green128\\blue0;}");
        for (int line = 0; line < 17; ++line)
            page->Content.Add("\\viewkind4\\uc1\\pard\\f0\\fs20 Some text of the page with a "
                              "\\cf1\\ul\\protect ##Link " + IntToStr(line % 3) + "##\\cf0\\ulnone\\protect0  in it.\\par");
        page->Content.Add("}");
        page->Header.Add("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}");
        page->Header.Add("\\pard\\b " + name + "\\b0\\par }");
        for (int link = 0; link < 3; ++link) {
            auto* object = new TLinkObject("Link " + IntToStr(link));
            object->PageName = "Page " + IntToStr((i + link + 1) % pages);
            object->Text = "see page " + IntToStr(link);
            object->Popup = link == 2;
            page->Links.AddObject(object->Name, object);
        }
        page->Pictures.Add("C:\\Pictures\\picture" + IntToStr(i) + ".bmp");
        page->Pictures.Add("C:\\Pictures\\shared.bmp");
    }
    return project;
}

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
