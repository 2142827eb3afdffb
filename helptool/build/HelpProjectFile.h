#pragma once
// The help project (.qhp): the contents and help file names, the topic
// file, and the window definition "Main" with the help window's position,
// size and the backgrounds of its scrolling and non-scrolling regions.

class TBuildTextFile;
class TGlobals;

void WriteHelpProjectFile(TBuildTextFile& file, const TGlobals& globals);
