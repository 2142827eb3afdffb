#include "objects/install_directory.h"

#include "objects/install_file.h"
#include "vcl/files/file_routines.h"

void TInstallDirectory::RemoveMissingFiles() {
    for (int i = FileCount() - 1; i >= 0; --i)
        if (TCustomInstallFile* file = Files(i); !FileExists(file->SourcePath())) Free(file);
}
