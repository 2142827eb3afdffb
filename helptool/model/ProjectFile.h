#pragma once
// The .qpx project file: a dump of the project, one value per line in a
// fixed order with a count before every repeated group.
//
//   HelpFileName, PageColor, HeaderColor, WindowLeft, WindowTop,
//   WindowWidth, WindowHeight
//   N, then per contents entry: outline line, Name, PageName, IsGroup
//   M, then per page: Name, TopicID, TopicTitle, IndexKeywords,
//     C and the Content lines, H and the Header lines,
//     L and per link: Name, PageName, Text, Popup,
//     P and the picture paths
//
// Failures are the class library's run-time I/O errors (EInOutError).

#include <string>

class THelpProject;

// Writes the project as it stands (the caller commits the shown page
// first). A failure leaves an existing file as it was.
void WriteProjectFile(const THelpProject& project, const std::string& fileName);

// Reads the file into `project`, which the caller has just reset: the
// values go into the project-wide state as they are read, each contents
// entry is appended when it is complete, each page when its last picture
// is read. A file that ends early or holds a malformed number stops the
// read with the I/O error; the project then keeps the entries completed
// before it.
void ReadProjectFile(THelpProject& project, const std::string& fileName);
