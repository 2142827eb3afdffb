// The topic file of a realistic project, its pages written by the
// rich-edit control's own RTF writer, read by a real RTF reader (unrtf).

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "build/MakeHelpFile.h"
#include "model/PageObject.h"
#include "support/fresh_machine.h"
#include "support_build.h"
#include "vcl/rtf/rtf_writer.h"

using namespace buildtest;

namespace {

TRichAttributes MarkerAttributes() {
    TRichAttributes a;
    a.Color = 0x008000;
    a.Underline = true;
    a.Protected = true;
    return a;
}

// A page written by the control: plain, bold and coloured text, a marker,
// bytes above 0x7F, braces and backslashes as text.
void SetControlPage(TStrings& lines, const std::string& marker) {
    TRichDocument document;
    TRichAttributes plain;
    TRichAttributes bold = plain;
    bold.Bold = true;
    TRichAttributes red = plain;
    red.Color = 0x0000FF;
    TRichAttributes times = plain;
    times.Font.Name = "Times New Roman";
    document.AppendText("Caf\xe9 {menu} C:\\temp ", plain);
    document.AppendText("bold", bold);
    document.AppendText(" red", red);
    document.AppendText(" then ", plain);
    document.AppendText(marker, MarkerAttributes());
    document.AppendText(" end\r\nSecond paragraph in ", plain);
    document.AppendText("Times", times);
    SetLines(lines, WriteRtfLines(document));
}

// unrtf writes its text in Latin-1, the bytes of our code page.
std::string Unrtf(const std::filesystem::path& file, int& status) {
    const std::string command = "unrtf --text '" + file.string() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    if (!pipe) return output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    status = pclose(pipe);
    return output;
}

TEST(TopicFileUnrtf, ARealReaderReadsTheTopicFile) {
    testsupport::FreshMachine machine;
    std::filesystem::create_directories(machine.HostPath("C:\\Proj"));
    THelpProject project;
    project.Globals.HelpFileName = "real";
    project.Globals.ProjectFileName = "C:\\Proj\\real.qpx";
    TPageObject& first = AddPage(project, "First", "IDH_FIRST");
    first.TopicTitle = "First {topic}";
    SetControlPage(first.Content, "##Next##");
    SetControlPage(first.Header, "");
    AddLink(first, "Next", "Second", "next page");
    TPageObject& second = AddPage(project, "Second", "IDH_SECOND");
    SetControlPage(second.Content, "#C:\\pics\\a.bmp#");
    RecordedMessages messages;
    TMakeOptions options;
    options.StartCompiler = false;
    ASSERT_EQ(MakeHelpFile(project, messages, options), TMakeResult::Succeeded) << messages.shown.front();

    int status = -1;
    const std::string text = Unrtf(machine.HostPath("C:\\Proj\\real.qrt"), status);
    EXPECT_EQ(status, 0) << text;
    EXPECT_EQ(text.find("rror"), std::string::npos) << text;
    for (const char* expected : {"First {topic}", "Caf\xe9 {menu} C:\\temp bold red then next page",
                                 "IDH_SECOND", "Second paragraph in Times", "{bmc C:\\pics\\a.bmp}"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

}  // namespace
