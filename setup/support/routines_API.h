#pragma once
// The operating-system queries of the setup program: the running Windows
// version, the Windows and system directories, temporary file names and
// short paths. Every call asks the system anew.

#include <string>

#include "support/quorvel_exceptions.h"
#include "vcl/classes/set.h"

class EAPIRoutines : public EQuorvelAbnormal {
public:
    using EQuorvelAbnormal::EQuorvelAbnormal;
};

// The Windows versions the setup program tells apart.
enum TOSVerType {
    os31win32,
    oswin95,
    oswinNT,
    oswinNT351,
    osUnidentified,
    osLinux,
    oswin2K,
    oswin98,
    oswinME,
    oswinXP,
};
using OSSet = TSet<TOSVerType>;

inline constexpr OSSet NTFamilyOS{oswinNT, oswin2K, oswinXP};
inline constexpr OSSet Win9xFamilyOS{oswin95, oswin98, oswinME};

// The running Windows version; raises EAPIRoutines "Could not get
// information about the current version of Windows" when the system does
// not tell.
TOSVerType CurrentOS();
bool IsNTFamily(TOSVerType os);
bool Is9xFamily(TOSVerType os);

// Without trailing backslash; EAPIRoutines when the system fails.
std::string GetSystemDir();
std::string GetWindowsDir();

// A new file name in the temporary directory with the prefix "bat". The
// file the system creates for it is kept unless `nameOnly` is set.
// EAPIRoutines "Cannot create a temporary file" on failure.
std::string NewTempFileName(bool nameOnly);

// The short (8.3) form of an existing path, else the path unchanged.
std::string ShortPath(const std::string& path);
