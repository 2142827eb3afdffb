#pragma once
// The event types of install objects. The first argument is the object the
// event is about; decisions come back through reference arguments.

#include <cstdint>
#include <string>

#include "vcl/classes/events.h"

class TInstallContainer;
class TCustomInstallFile;

using TInstallContainerNotifyEvent = TMethod<TInstallContainer* /*Container*/>;
using TAfterInstallObjectsEvent = TMethod<TInstallContainer* /*Container*/, bool /*WasAborted*/>;
using TInstallFileNotifyEvent = TMethod<TCustomInstallFile* /*InstallFile*/>;
using TInstallFileStatusEvent =
    TMethod<TCustomInstallFile* /*InstallFile*/, int32_t /*FilePercentDone*/, int32_t /*TotalPercentDone*/>;
using TInstallFileNewDiskEvent =
    TMethod<TCustomInstallFile* /*InstallFile*/, int32_t /*NewDisk*/, std::string& /*Path*/>;
// Buffer is nullptr when a container forwards the event.
using TDataReceivedEvent = TMethod<TObject* /*Sender*/, const std::string& /*FileName*/, int32_t /*Bytes*/,
                                   int32_t /*TotalBytes*/, int32_t /*FileSize*/, const char* /*Buffer*/>;
