#include "helptool/model/support_sample_project.h"

#include "model/HelpProject.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/TOCObject.h"

void FillSampleProject(THelpProject& project) {
    TGlobals& globals = project.Globals;
    globals.HelpFileName = "Sample";
    globals.PageColor = 0x00FFFF;
    globals.HeaderColor = 0x008000;
    globals.WindowLeft = -10;
    globals.WindowTop = 20;
    globals.WindowWidth = 640;
    globals.WindowHeight = 480;
    globals.TocList.AddObject("Basics", new TTocObject("Basics", true));
    auto* topic = new TTocObject("Start here", false);
    topic->PageName = "Intro";
    globals.TocList.AddObject("\tStart here", topic);

    TPageObject* intro = project.CreatePage("Intro");
    intro->TopicID = "IDH_INTRO";
    intro->TopicTitle = "Introduction";
    intro->IndexKeywords = "start;intro";
    intro->Content.SetText("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n\\pard ##See more## #C:\\Pics\\a.bmp#\\par\r\n}");
    intro->Header.Add("{\\rtf1 Header}");
    auto* jump = new TLinkObject("See more");
    jump->PageName = "Details";
    jump->Text = "more";
    intro->Links.AddObject(jump->Name, jump);
    auto* popup = new TLinkObject("Note");
    popup->Popup = true;
    intro->Links.AddObject(popup->Name, popup);
    intro->Pictures.Add("C:\\Pics\\a.bmp");

    project.CreatePage("Details");
}

const char* const kSampleProjectFile =
    "Sample\r\n"
    "65535\r\n"
    "32768\r\n"
    "-10\r\n20\r\n640\r\n480\r\n"
    "2\r\n"
    "Basics\r\nBasics\r\n\r\nTRUE\r\n"
    "\tStart here\r\nStart here\r\nIntro\r\nFALSE\r\n"
    "2\r\n"
    "Intro\r\nIDH_INTRO\r\nIntroduction\r\nstart;intro\r\n"
    "3\r\n"
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n\\pard ##See more## #C:\\Pics\\a.bmp#\\par\r\n}\r\n"
    "1\r\n{\\rtf1 Header}\r\n"
    "2\r\n"
    "See more\r\nDetails\r\nmore\r\nFALSE\r\n"
    "Note\r\n\r\n\r\nTRUE\r\n"
    "1\r\nC:\\Pics\\a.bmp\r\n"
    "Details\r\n\r\n\r\n\r\n"
    "0\r\n0\r\n0\r\n0\r\n";
