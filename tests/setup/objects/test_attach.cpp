// Attaching objects to containers: kind order, the "TINSTALLBDE" rule,
// circular references, the group rule and detaching on destruction.

#include <gtest/gtest.h>

#include "objects/install_directory.h"
#include "objects/install_exceptions.h"
#include "objects/install_group.h"
#include "paths/standard_specifiers.h"
#include "support/fresh_machine.h"
#include "support_install_tree.h"

namespace {

class TInstallBde : public TRecorder {
public:
    using TRecorder::TRecorder;
    std::string ClassName() const override { return "TInstallBDE"; }
};

class AttachTest : public ::testing::Test {
protected:
    AttachTest() { RegisterTestClasses(); }

    TRecorder* Child(int32_t kind, const std::string& name) {
        auto* child = new TRecorder(&form);
        child->SetName(name);
        child->kind = kind;
        child->SetContainer(directory);
        return child;
    }
    std::vector<std::string> ChildNames(const TInstallContainer* container) {
        std::vector<std::string> names;
        for (int i = 0; i < container->ChildCount(); ++i) names.push_back(container->Children(i)->Name());
        return names;
    }

    testsupport::FreshMachine machine{"XP"};
    TSetupForm form{nullptr};
    TInstallDirectory* directory = [this] {
        auto* d = new TInstallDirectory(&form);
        d->SetName("dirApp");
        return d;
    }();
};

TEST_F(AttachTest, ChildrenStaySortedByKindAndLaterOnesOfAKindStandFirst) {
    Child(8000, "link");
    Child(2000, "file1");
    Child(9000, "dialog");
    Child(2000, "file2");
    Child(500, "low");
    EXPECT_EQ(ChildNames(directory), (std::vector<std::string>{"low", "file2", "file1", "link", "dialog"}));
}

TEST_F(AttachTest, AnInstallBdeGoesFirstWhateverItsKind) {
    Child(500, "low");
    auto* bde = new TInstallBde(&form);
    bde->SetName("bde");
    bde->kind = 9000;
    bde->SetContainer(directory);
    EXPECT_EQ(ChildNames(directory).front(), "bde");
}

TEST_F(AttachTest, CircularReferencesAreRefusedAndChangeNothing) {
    auto* inner = new TInstallDirectory(&form);
    inner->SetContainer(directory);
    try {
        directory->SetContainer(inner);
        FAIL() << "attached a container to its own child";
    } catch (const IEInstallContainer& e) {
        EXPECT_STREQ(e.what(), "Circular reference");
    }
    EXPECT_EQ(directory->Container(), nullptr);
    EXPECT_EQ(inner->ChildCount(), 0);
    EXPECT_THROW(directory->AddObject(directory), IEInstallContainer);
    EXPECT_THROW(directory->AddObject(nullptr), IEInstallContainer);
}

TEST_F(AttachTest, GroupsLiveOnlyUnderTheInstallOrAnotherGroup) {
    auto* install = new TTestInstall(&form);
    auto* group = new TInstallGroup(&form);
    group->SetContainer(nullptr);
    EXPECT_EQ(group->Container(), install) << "a group attached to nothing goes to the install";
    auto* sub = new TInstallGroup(&form);
    sub->SetContainer(group);
    EXPECT_EQ(sub->Container(), group);
    sub->SetContainer(install);
    try {
        sub->SetContainer(directory);
        FAIL() << "a group was attached to a directory";
    } catch (const IEInstallGroup& e) {
        EXPECT_STREQ(e.what(),
                     "A TInstallGroup component can only be contained by a TInstall, or another TInstallGroup "
                     "component");
    }
    EXPECT_EQ(sub->Container(), install);
    sub->SetContainer(group);
    sub->SetContainer(nullptr);
    EXPECT_EQ(sub->Container(), install) << "a group attached to nothing goes to the install";
}

TEST_F(AttachTest, AttachingOutsideLoadingPointsDestinationsAtTheContainer) {
    auto* child = new TInstallDirectory(&form);
    child->SetDestDirType(StandardPathSpecifiers().FindByClass<TpsProgramFiles>());
    child->SetDestDir("\\Old");
    child->SetContainer(directory);
    EXPECT_NE(dynamic_cast<TpsContainerDestDir*>(child->DestDirType()), nullptr);
    EXPECT_EQ(child->DestDir(), "");
    EXPECT_NE(dynamic_cast<TpsContainerArchiveFile*>(child->ArchiveFileType()), nullptr);
    child->SetContainer(nullptr);
    EXPECT_EQ(child->DestDirType(), nullptr);
    EXPECT_EQ(child->ArchiveFileType(), nullptr);
}

TEST_F(AttachTest, ADestroyedContainerOrChildLeavesNoReference) {
    TRecorder* child = Child(2000, "file1");
    Free(child);
    EXPECT_EQ(directory->ChildCount(), 0);
    TRecorder* orphan = Child(2000, "file2");
    Free(directory);
    directory = nullptr;
    EXPECT_EQ(orphan->Container(), nullptr);
}

TEST_F(AttachTest, ChildLookupErrorsNameTheContainerAndIndex) {
    Child(2000, "file1");
    EXPECT_EQ(directory->CompCount<TRecorder>(), 1);
    EXPECT_EQ(directory->Comp<TRecorder>(0)->Name(), "file1");
    try {
        directory->Children(3);
        FAIL();
    } catch (const IEInstallContainer& e) {
        EXPECT_STREQ(e.what(),
                     "Tried to reference a helper component in the following component: dirApp. The following index "
                     "was used: 3");
    }
    try {
        directory->Comp<TInstallDirectory>(0);
        FAIL();
    } catch (const IEInstallContainer& e) {
        EXPECT_STREQ(e.what(),
                     "Bad call to the Comp procedure which returns a TInstallObject for a TInstallContainer "
                     "component. The parameters are probably reversed. Index: 0, ComponentType: TInstallDirectory");
    }
    TInstallContainer base(nullptr);
    EXPECT_THROW(base.KindNumber(), IEInstallContainer);
}

TEST_F(AttachTest, InstallTypesNeverEmpty) {
    directory->SetInstallTypes({});
    EXPECT_EQ(directory->InstallTypes(), TInstallTypeSet{itFull});
}

}  // namespace
