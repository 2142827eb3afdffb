#include "build/HelpProjectFile.h"

#include "build/BuildTextFile.h"
#include "model/Globals.h"

void WriteHelpProjectFile(TBuildTextFile& file, const TGlobals& globals) {
    const std::string& name = globals.HelpFileName;
    file.WriteLine("[OPTIONS]");
    file.WriteLine("CNT=.\\" + name + ".cnt");
    file.WriteLine("HLP=.\\" + name + ".hlp");
    file.WriteLine();
    file.WriteLine("[FILES]");
    file.WriteLine(".\\" + name + ".qrt");
    file.WriteLine("[WINDOWS]");
    file.WriteLine("Main=\"\",(" + std::to_string(globals.WindowLeft) + "," + std::to_string(globals.WindowTop) + "," +
                   std::to_string(globals.WindowWidth) + "," + std::to_string(globals.WindowHeight) + "),,(r" +
                   std::to_string(globals.PageColor) + "),(r" + std::to_string(globals.HeaderColor) + "),");
}
