#pragma once
// The error classes of the install object model. Their texts pass through
// the main translator before the placeholders are filled (IException).

#include "support/IException.h"

class IEInstallContainer : public IException {
public:
    using IException::IException;
};
class IEFileRelated : public IException {
public:
    using IException::IException;
};
class IEFileRel_NoNetLocation : public IEFileRelated {
public:
    using IEFileRelated::IEFileRelated;
};
class IEFileContainer : public IException {
public:
    using IException::IException;
};
class IEfcDuplicateFile : public IEFileContainer {
public:
    using IEFileContainer::IEFileContainer;
};
class IEfcSetAttributes : public IEFileContainer {
public:
    using IEFileContainer::IEFileContainer;
};
class IENoQuorvelPath : public IException {
public:
    using IException::IException;
};
class IECustomInstallFile : public IException {
public:
    using IException::IException;
};
class IECustomInstallFileList : public IException {
public:
    using IException::IException;
};
class IEContainerList : public IException {
public:
    using IException::IException;
};
class IEInstallGroup : public IException {
public:
    using IException::IException;
};
