// The install pass: OS and install-type filters with their events and
// broadcasts, silent aborts, and the OS detection per Windows version.

#include <gtest/gtest.h>

#include "archive/cmp_TQrvlCompress.h"
#include "objects/install_directory.h"
#include "objects/install_registries.h"
#include "support/routines_API.h"
#include "support/fresh_machine.h"
#include "vcl/forms/screen.h"
#include "support_install_tree.h"

namespace {

struct PassCase {
    const char* windows;
    OSSet os;
    TInstallType chosen;
    TInstallTypeSet types;
    bool installs;
    std::vector<int32_t> codes;
};

class InstallPassTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(InstallPassTest, FiltersFireEventsAndBroadcast) {
    const PassCase& c = GetParam();
    testsupport::FreshMachine machine{c.windows};
    RegisterTestClasses();
    TSetupForm form(nullptr);
    auto* object = new TRecorder(&form);
    auto* helper = new TRecorder(&form);
    helper->SetContainer(object);
    object->SetOS(c.os);
    object->SetInstallTypes(c.types);
    object->SetInstallType(c.chosen);
    int before = 0, after = 0;
    object->SetOnBeforeProcess(TInstallContainerNotifyEvent(&form, [&](TInstallContainer*) { ++before; }));
    object->SetOnAfterProcess(TInstallContainerNotifyEvent(&form, [&](TInstallContainer*) { ++after; }));
    object->Install();
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, c.installs ? 1 : 0);
    EXPECT_EQ(object->Processed(), c.installs);
    EXPECT_EQ(helper->codes, c.codes);
    EXPECT_EQ(helper->CurrentInstallType(), c.chosen) << "SetInstallType reaches attached objects";
}

const std::vector<int32_t> kAll = {hmBeforeProcess, hmBeforeInstallObject, hmAfterProcess};
const std::vector<int32_t> kExcluded = {hmBeforeProcess};
const std::vector<int32_t> kWrongType = {hmBeforeProcess, hmBeforeInstallObject};

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallPassTest,
    ::testing::Values(PassCase{"XP", DefaultOS, itFull, {itFull, itDefault, itCompact}, true, kAll},
                      PassCase{"98", OSSet{oswinXP, oswin2K}, itFull, {itFull}, false, kExcluded},
                      PassCase{"XP", OSSet{oswinXP}, itCompact, {itFull, itDefault}, false, kWrongType},
                      PassCase{"XP", OSSet{oswinXP}, itCustom, {itFull}, true, kAll},
                      PassCase{"unknown", DefaultOS, itFull, {itFull}, false, kExcluded}));

TEST(InstallPass, AnAbortSkipsTheObjectSilently) {
    testsupport::FreshMachine machine{"XP"};
    RegisterTestClasses();
    TSetupForm form(nullptr);
    auto* object = new TRecorder(&form);
    object->SetOnBeforeProcess(TInstallContainerNotifyEvent(&form, [](TInstallContainer*) { throw EAbort(); }));
    EXPECT_NO_THROW(object->Install());
    EXPECT_FALSE(object->Processed());
    object->SetOnBeforeProcess(
        TInstallContainerNotifyEvent(&form, [](TInstallContainer*) { throw Exception("disk on fire"); }));
    EXPECT_THROW(object->Install(), Exception);
}

TEST(InstallPass, AFileContainerReportsTheSharedEnginesAbort) {
    testsupport::FreshMachine machine{"XP"};
    RegisterTestClasses();
    TSetupForm form(nullptr);
    auto* directory = new TInstallDirectory(&form);
    std::vector<bool> reported;
    directory->SetOnAfterInstallObjects(
        TAfterInstallObjectsEvent(&form, [&](TInstallContainer*, bool wasAborted) { reported.push_back(wasAborted); }));
    directory->InstallObjects();
    SharedArchiveEngine().SetAbort(true);
    directory->InstallObjects();
    SharedArchiveEngine().SetAbort(false);
    EXPECT_EQ(reported, (std::vector<bool>{false, true}));
    EXPECT_EQ(directory->BusyState(), busyNone);
}

TEST(InstallPass, AFileContainerShowsTheHourglassWhileItInstalls) {
    testsupport::FreshMachine machine{"XP"};
    RegisterTestClasses();
    TSetupForm form(nullptr);
    auto* outer = new TInstallDirectory(&form);
    auto* inner = new TInstallDirectory(&form);
    inner->SetContainer(outer);
    std::vector<TCursor> seen;
    inner->SetOnBeforeInstallObjects(TInstallContainerNotifyEvent(&form, [&](TInstallContainer*) {
        seen.push_back(Screen->Cursor());
        throw Exception("disk on fire");
    }));
    inner->SetOnAfterInstallObjects(
        TAfterInstallObjectsEvent(&form, [&](TInstallContainer*, bool) { seen.push_back(Screen->Cursor()); }));
    outer->SetOnAfterInstallObjects(
        TAfterInstallObjectsEvent(&form, [&](TInstallContainer*, bool) { seen.push_back(Screen->Cursor()); }));
    EXPECT_THROW(outer->InstallObjects(), Exception);
    EXPECT_EQ(seen, (std::vector<TCursor>{crHourGlass}));
    EXPECT_EQ(Screen->Cursor(), crDefault) << "an error brings the cursor back";
    EXPECT_EQ(inner->BusyState(), busyNone);
    EXPECT_EQ(outer->BusyState(), busyNone);

    inner->SetOnBeforeInstallObjects({});
    seen.clear();
    outer->InstallObjects();
    EXPECT_EQ(seen, (std::vector<TCursor>{crHourGlass, crDefault}))
        << "the inner container gives back the outer one's hourglass";
}

TEST(InstallPass, ObjectsWaitForTheirContainerWhileTheDriverInstalls) {
    testsupport::FreshMachine machine{"XP"};
    RegisterTestClasses();
    TSetupForm form(nullptr);
    auto* install = new TTestInstall(&form);
    auto* link = new TRecorder(&form);
    link->SetContainer(install);
    install->installing = true;
    link->Install();
    EXPECT_FALSE(link->Processed()) << "the container has not started";
    install->installing = false;
    link->Install();
    EXPECT_TRUE(link->Processed());
}

TEST(InstallPass, StatusMessagesGoDownWithTheirText) {
    testsupport::FreshMachine machine{"XP"};
    RegisterTestClasses();
    TSetupForm form(nullptr);
    auto* directory = new TInstallDirectory(&form);
    auto* dialog = new TRecorder(&form);
    auto* low = new TRecorder(&form);
    low->kind = 1500;
    dialog->SetContainer(directory);
    low->SetContainer(directory);
    directory->ShowStatusMessage("Copying files");
    directory->HideStatusMessage();
    EXPECT_EQ(dialog->codes, (std::vector<int32_t>{hmShowStatus, hmHideStatus}));
    EXPECT_EQ(dialog->lastStatusText, "Copying files");
    EXPECT_TRUE(low->codes.empty()) << "kinds below 2000 hear no broadcasts";
}

struct OSCase {
    const char* preset;
    TOSVerType expected;
};

class CurrentOSTest : public ::testing::TestWithParam<OSCase> {};

TEST_P(CurrentOSTest, NamesTheRunningWindows) {
    testsupport::FreshMachine machine{GetParam().preset};
    EXPECT_EQ(CurrentOS(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Presets, CurrentOSTest,
                         ::testing::Values(OSCase{"95", oswin95}, OSCase{"98", oswin98}, OSCase{"ME", oswinME},
                                           OSCase{"NT4", oswinNT}, OSCase{"2000", oswin2K}, OSCase{"XP", oswinXP},
                                           OSCase{"unknown", osUnidentified}));

}  // namespace
