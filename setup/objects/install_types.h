#pragma once
// The enumerations and sets of the install object model, and the codes of
// its two message channels (downward broadcasts, upward notifications).

#include <cstdint>

#include "support/routines_API.h"
#include "vcl/classes/set.h"

enum TInstallType { itFull, itDefault, itCompact, itCustom };
using TInstallTypeSet = TSet<TInstallType>;

// Every version an object installs on unless its declaration says otherwise.
inline constexpr OSSet DefaultOS{oswin95, oswinNT, oswin2K, oswin98, oswinME, oswinXP};

enum TDistributeType { dtTraditional, dtWeb, dtTraditionalNet };

// Operation in progress in a file container (its BusyState).
enum : uint8_t { busyNone = 0, busyCompress = 1, busyInstall = 2, busyCopy = 3, busyReflect = 4 };

// Downward broadcasts (SendToHelpers), received by children of kind 2000
// and above.
enum : int32_t {
    hmBeforeProcess = -990,
    hmBeforeInstallObject = -999,
    hmAfterProcess = -989,
    hmShowStatus = -974,
    hmHideStatus = -973,
    hmDataReceived = -988,
    hmNewDisk = -993,
    hmOperationEnded = -996,
    hmReplacing = -997,
    hmStatus = -998,
    hmBeforeInstallObjects = -992,
};

// Upward notifications (DoInformationEventControl), handled by busy file
// containers on the way to the root.
enum : int32_t {
    ieFileInstalled = 1001,
    ieBeforeInstallFile = 1002,
    ieReplacing = 1003,
    ieBeforeCompressFile = 1004,
    ieAfterCompressFile = 1005,
    ieBeforeCopyFile = 1006,
    ieAfterCopyFile = 1007,
    ieInstallStatus = 1008,
    ieCompressStatus = 1009,
    ieCopyStatus = 1010,
    ieNewDisk = 1011,
    ieContainerStarted = 1012,
    ieContainerEnded = 1013,
    ieDataReceived = 1014,
    ieFileSkipped = 1015,
    ieFileNotCopied = 1016,
};

// Kind numbers: the type tag and install order key of attached objects.
enum : int32_t {
    knGroup = 500,
    knFileContainer = 1000,
    knInstallFile = 2000,
    knShellLinkGroup = 7000,
    knShellLink = 8000,
    knRegistry = 8500,
    knDialog = 9000,
};
