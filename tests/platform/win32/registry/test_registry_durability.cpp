// Writes survive the writing process being killed, and processes of the
// same machine see each other's writes.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support_registry.h"
#include "win32/registry/registry_store.h"

using namespace win32;

namespace {

// Child: opens the machine's registry, writes `count` values, reports each
// completed write on the pipe, then waits to be killed.
[[noreturn]] void WriteAndWait(const std::string& machine, int count, int pipeOut) {
    OpenMachineRegistry(machine);
    HKEY key = 0;
    if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Durable", 0, "", 0, KEY_ALL_ACCESS, &key, nullptr) != ERROR_SUCCESS) {
        _exit(2);
    }
    for (int i = 0; i < count; ++i) {
        const std::string data = "value " + std::to_string(i) + '\0';
        if (RegSetValueEx(key, "V" + std::to_string(i), 0, REG_SZ, reinterpret_cast<const uint8_t*>(data.data()),
                          static_cast<uint32_t>(data.size())) != ERROR_SUCCESS) {
            _exit(3);
        }
        const char done = 'w';
        if (write(pipeOut, &done, 1) != 1) _exit(4);
    }
    for (;;) pause();
}

}  // namespace

TEST_F(RegistryTest, CompletedWritesSurviveAKilledWriter) {
    CloseMachineRegistry();  // a connection must not cross fork()
    constexpr int kWrites = 20;
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        close(fds[0]);
        WriteAndWait(machine_.path().string(), kWrites, fds[1]);
    }
    close(fds[1]);
    int reported = 0;
    char byte;
    while (reported < kWrites && read(fds[0], &byte, 1) == 1) ++reported;
    kill(writer, SIGKILL);
    int status = 0;
    waitpid(writer, &status, 0);
    close(fds[0]);
    ASSERT_EQ(reported, kWrites);
    ASSERT_TRUE(WIFSIGNALED(status));

    // A second process reads what the first one wrote.
    const pid_t reader = fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        OpenMachineRegistry(machine_.path().string());
        HKEY key = 0;
        if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Durable", 0, KEY_READ, &key) != ERROR_SUCCESS) _exit(10);
        for (int i = 0; i < kWrites; ++i) {
            char data[32] = {};
            uint32_t size = sizeof data;
            if (RegQueryValueEx(key, "V" + std::to_string(i), nullptr, nullptr, reinterpret_cast<uint8_t*>(data), &size) !=
                    ERROR_SUCCESS ||
                std::string(data) != "value " + std::to_string(i)) {
                _exit(11);
            }
        }
        _exit(0);
    }
    waitpid(reader, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(RegistryTest, TwoConnectionsSeeEachOthersChanges) {
    RegistryStore other((machine_ / "registry.db").string());
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Shared");
    ASSERT_EQ(SetString(key, "FromFirst", "1"), ERROR_SUCCESS);

    const int64_t machine = other.HiveId("HKEY_LOCAL_MACHINE");
    const auto software = other.FindSubKey(machine, "software");
    ASSERT_TRUE(software);
    const auto shared = other.FindSubKey(*software, "SHARED");
    ASSERT_TRUE(shared);
    const auto seen = other.FindValue(*shared, "fromfirst");
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->data, std::string("1\0", 2));

    other.SetValue(*shared, "FromSecond", REG_SZ, std::string("2\0", 2));
    EXPECT_EQ(Read(key, "FromSecond"), std::string("2\0", 2));
    RegCloseKey(key);
}
