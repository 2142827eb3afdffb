#pragma once
// TCustomInstallFile and TInstallFile: the install object for one file
// (kind 2000), installed by its container's InstallObjects pass.
//
// This unit holds what the containers rely on: the source (IncludeFromDir
// and FileName), the size, the file registries and the default of Net
// (False). Installing the file and reading its archive information are not
// built yet and raise ENotImplemented.

#include <string>

#include "objects/file_related.h"
#include "vcl/system/exception.h"

class ENotImplemented : public Exception {
public:
    using Exception::Exception;
};

class TCustomInstallFile : public TFileRelated {
public:
    explicit TCustomInstallFile(TComponent* owner);
    ~TCustomInstallFile() override;
    std::string ClassName() const override { return "TCustomInstallFile"; }

    int32_t KindNumber() const override { return knInstallFile; }
    // IncludeFromDir with a trailing backslash, then FileName.
    std::string SourcePath() const;

    // Not built yet: raise ENotImplemented.
    void InstallObjects() override;
    virtual void ReadInfoFromArchive();

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    const std::string& IncludeFromDir() const { return includeFromDir_; }
    void SetIncludeFromDir(const std::string& dir) { includeFromDir_ = dir; }
    int32_t Size() const { return size_; }
    void SetSize(int32_t size) { size_ = size; }

private:
    std::string fileName_;
    std::string includeFromDir_;
    int32_t size_ = 0;
};

class TInstallFile : public TCustomInstallFile {
public:
    using TCustomInstallFile::TCustomInstallFile;
    std::string ClassName() const override { return "TInstallFile"; }
};
