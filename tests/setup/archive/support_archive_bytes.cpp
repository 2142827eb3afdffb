#include "support_archive_bytes.h"

#include <filesystem>

#include "archive/archive_errors.h"
#include "archive/cmp_TQrvlCompress.h"
#include "support/temp_dir.h"
#include "win32/paths.h"

namespace archivetest {

bool ReadAndExtractArchiveBytes(const std::string& bytes) {
    const std::filesystem::path out = *win32::WindowsToHostPath("C:\\out");
    std::filesystem::remove_all(out);
    testsupport::WriteHostFile(*win32::WindowsToHostPath("C:\\input.1"), bytes);
    TQrvlCompress engine(nullptr);
    engine.SetCompressedFile("C:\\input.1");
    engine.SetExtractDirectory("C:\\out");
    try {
        const int count = engine.MemberCount();
        for (int i = 0; i < count; ++i) engine.FilesToProcess()->Add(engine.GetFileStats(i).FileName);
        engine.ExtractFiles();
        return true;
    } catch (const EQrvlCompress&) {
        return false;
    }
}

}  // namespace archivetest
