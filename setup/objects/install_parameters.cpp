#include "objects/install_parameters.h"

#include "vcl/system/rounding.h"

TDownloadStatusParameter::TDownloadStatusParameter(int32_t bytes, std::string fileName, int32_t fileSize,
                                                   int32_t totalBytes)
    : Bytes(bytes), FileName(std::move(fileName)), FileSize(fileSize), TotalBytes(totalBytes),
      PercentDone(Percentage(totalBytes, fileSize)) {}
