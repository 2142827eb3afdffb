// Upward notifications: busy containers handle and forward them, idle ones
// do neither; progress of status and skipped files; parameter checks.

#include <gtest/gtest.h>

#include "objects/install_directory.h"
#include "objects/install_exceptions.h"
#include "objects/install_file.h"
#include "objects/install_parameters.h"
#include "support/fresh_machine.h"
#include "support_install_tree.h"
#include "vcl/classes/list.h"

namespace {

// A directory whose operation state a test sets.
class TBusyDirectory : public TInstallDirectory {
public:
    using TInstallDirectory::TInstallDirectory;
    using TFileContainer::SetBusyState;
    using TFileContainer::SetTotalSize;
    void DoInformationEventControl(TObject* sender, int32_t code, TObject* po) override {
        seen.push_back(code);
        TInstallDirectory::DoInformationEventControl(sender, code, po);
    }
    std::vector<int32_t> seen;
};

class NotificationTest : public ::testing::Test {
protected:
    NotificationTest() {
        RegisterTestClasses();
        inner->SetContainer(outer);
        helper->SetContainer(inner);
        file->SetSize(300);
        file->SetFileName("a.hlp");
    }
    testsupport::FreshMachine machine{"XP"};
    TSetupForm form{nullptr};
    TBusyDirectory* outer = new TBusyDirectory(&form);
    TBusyDirectory* inner = new TBusyDirectory(&form);
    TRecorder* helper = new TRecorder(&form);
    TInstallFile* file = new TInstallFile(&form);
};

TEST_F(NotificationTest, OnlyBusyContainersHandleAndForward) {
    inner->DoInformationEventControl(file, ieFileInstalled, file);
    EXPECT_TRUE(outer->seen.empty()) << "an idle container forwards nothing";
    inner->SetBusyState(busyInstall);
    inner->DoInformationEventControl(file, ieFileInstalled, file);
    EXPECT_EQ(outer->seen, (std::vector<int32_t>{ieFileInstalled}));
    inner->DoInformationEventControl(file, ieReplacing, file);
    EXPECT_EQ(helper->codes, (std::vector<int32_t>{hmReplacing}));
}

TEST_F(NotificationTest, SkippedFilesStillAdvanceTheProgress) {
    inner->SetBusyState(busyInstall);
    inner->SetTotalSize(1200);
    std::vector<std::pair<int, int>> reported;
    inner->SetOnStatus(TInstallFileStatusEvent(
        &form, [&](TCustomInstallFile*, int32_t filePercent, int32_t total) { reported.push_back({filePercent, total}); }));
    inner->DoInformationEventControl(file, ieFileSkipped, file);
    inner->DoInformationEventControl(file, ieFileNotCopied, file);
    EXPECT_EQ(inner->DoneSize(), 600);
    EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{100, 25}, {100, 50}}));

    TFileStatusParameter status;
    status.BytesDone = 150;
    status.FileStats.Done = true;
    status.FileStats.FileSize = 300;
    TList pair;
    pair.Add(file);
    pair.Add(&status);
    inner->DoInformationEventControl(file, ieInstallStatus, &pair);
    EXPECT_EQ(status.TotalBytesDone, 750);
    EXPECT_EQ(status.TotalPercentDone, 62) << "62.5 rounds to the even neighbour";
    EXPECT_EQ(inner->DoneSize(), 900);
}

TEST_F(NotificationTest, NewDiskAnswersGoBackIntoTheParameter) {
    inner->SetBusyState(busyInstall);
    inner->SetOnNewDisk(TInstallFileNewDiskEvent(&form, [](TCustomInstallFile*, int32_t disk, std::string& path) {
        path = "A:\\disk" + std::to_string(disk);
    }));
    TDiskParameter disk;
    disk.DiskNumber = 2;
    TList pair;
    pair.Add(file);
    pair.Add(&disk);
    inner->DoInformationEventControl(file, ieNewDisk, &pair);
    EXPECT_EQ(disk.Path, "A:\\disk2");
    EXPECT_EQ(file->Tag(), 1);
    EXPECT_EQ(helper->codes, (std::vector<int32_t>{hmNewDisk}));
}

TEST_F(NotificationTest, BadParametersRaiseTheirMessages) {
    inner->SetBusyState(busyInstall);
    inner->SetName("dirTools");
    TList empty;
    TList wrongFirst;
    wrongFirst.Add(helper);
    wrongFirst.Add(helper);
    TList wrongSecond;
    wrongSecond.Add(file);
    wrongSecond.Add(helper);
    const struct {
        int32_t code;
        TObject* po;
        const char* message;
    } cases[] = {
        {ieReplacing, nullptr, "dirTools got a nil PO parameter"},
        {ieFileSkipped, helper, "DoInformationEventControl parameter is not TInstallFile"},
        {ieInstallStatus, helper, "DoInformationEventControl--PO is not a TList object"},
        {ieCopyStatus, &empty, "DoInformationEventControl--Not engouh parameters for status event"},
        {ieCompressStatus, &wrongFirst, "DoInformationEventControl says bad first parameter"},
        {ieInstallStatus, &wrongSecond, "DoInformationEventControl says bad second parameter"},
        {ieNewDisk, &wrongFirst, "DoInformationEventControl says bad 1 parameter"},
        {ieNewDisk, &wrongSecond, "DoInformationEventControl says bad 2 parameter"},
        {ieDataReceived, file, "The PO object passed to dirTools is not a TDownloadStatusParameter object"},
    };
    for (const auto& c : cases) {
        try {
            inner->DoInformationEventControl(file, c.code, c.po);
            ADD_FAILURE() << c.message;
        } catch (const IEFileContainer& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST_F(NotificationTest, InstallingAFileIsNotBuiltYet) {
    file->SetContainer(inner);
    EXPECT_THROW(inner->Install(), ENotImplemented);
    EXPECT_EQ(inner->BusyState(), busyNone) << "an error leaves the container idle";
}

}  // namespace
