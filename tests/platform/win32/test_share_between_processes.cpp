#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/fresh_machine.h"
#include "support_files.h"
#include "win32/errors.h"
#include "win32/file_operations.h"
#include "win32/files.h"

using namespace win32;
using namespace machinetest;
using testsupport::FreshMachine;

namespace {
// A second process of the machine that holds `path` open with `share` until
// it is killed.
class Holder {
public:
    Holder(const std::string& path, uint32_t access, uint32_t share) {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            const HANDLE file = Open(path, access, share, OPEN_EXISTING);
            const char answer = file == INVALID_HANDLE_VALUE ? 'n' : 'y';
            if (write(ready[1], &answer, 1) != 1) _exit(2);
            pause();
            _exit(0);
        }
        close(ready[1]);
        char answer = 0;
        EXPECT_EQ(read(ready[0], &answer, 1), 1);
        EXPECT_EQ(answer, 'y');
        close(ready[0]);
    }
    // Kills the process without letting it close anything.
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    ~Holder() { Kill(); }

private:
    pid_t pid_ = -1;
};
}  // namespace

TEST(ShareBetweenProcesses, AFileHeldWithoutSharingIsInUseUntilItsProcessDies) {
    FreshMachine machine;
    MakeFile("C:\\WINDOWS\\system32\\shared.dll", "old");
    MakeFile("C:\\WINDOWS\\new.dll", "new");
    Holder holder("C:\\WINDOWS\\system32\\shared.dll", GENERIC_READ, 0);

    EXPECT_EQ(Open("C:\\WINDOWS\\system32\\shared.dll", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(DeleteFile("C:\\WINDOWS\\system32\\shared.dll"));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(MoveFileEx("C:\\WINDOWS\\new.dll", "C:\\WINDOWS\\system32\\shared.dll", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(MoveFile("C:\\WINDOWS\\system32\\shared.dll", "C:\\WINDOWS\\renamed.dll"));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(Content("C:\\WINDOWS\\system32\\shared.dll"), "<unreadable>");

    holder.Kill();
    EXPECT_EQ(Content("C:\\WINDOWS\\system32\\shared.dll"), "old");
    EXPECT_TRUE(MoveFileEx("C:\\WINDOWS\\new.dll", "C:\\WINDOWS\\system32\\shared.dll", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(Content("C:\\WINDOWS\\system32\\shared.dll"), "new");
}

TEST(ShareBetweenProcesses, ReadersThatShareReadingCoexist) {
    FreshMachine machine;
    MakeFile("C:\\data.txt", "data");
    Holder holder("C:\\data.txt", GENERIC_READ, FILE_SHARE_READ);
    const HANDLE reader = Open("C:\\data.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    CloseHandle(reader);
    EXPECT_EQ(Open("C:\\data.txt", GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
}
