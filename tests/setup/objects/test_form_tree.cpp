// A declared tree like the product's streams in: attachment in kind order,
// companion specifiers, the standard specifiers made once, and the paths
// on machines of several Windows versions.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "objects/install_directory.h"
#include "objects/install_file.h"
#include "objects/install_group.h"
#include "objects/ps_file_container.h"
#include "paths/windows_folder_specifiers.h"
#include "paths/standard_specifiers.h"
#include "support/fresh_machine.h"
#include "support_install_tree.h"
#include "vcl/classes/form_reader.h"

namespace {

std::string Fixture(const char* name) {
    std::ifstream in(std::string(QUILLERY_TEST_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

template <class T>
T* Named(TComponent& form, const char* name) {
    auto* component = dynamic_cast<T*>(form.FindComponent(name));
    EXPECT_NE(component, nullptr) << name;
    return component;
}

std::vector<std::string> ChildNames(const TInstallContainer* container) {
    std::vector<std::string> names;
    for (int i = 0; i < container->ChildCount(); ++i) names.push_back(container->Children(i)->Name());
    return names;
}

class FormTreeTest : public ::testing::TestWithParam<const char*> {
protected:
    FormTreeTest() : machine(GetParam()) {
        RegisterTestClasses();
        ReadFormDeclaration(&form, Fixture("product_tree.txt"));
    }

    testsupport::FreshMachine machine;
    TSetupForm form{nullptr};
};

TEST_P(FormTreeTest, StreamsInAsOneTreeInKindOrder) {
    auto* install = Named<TTestInstall>(form, "Install1");
    auto* group = Named<TInstallGroup>(form, "grpMain");
    auto* tools = Named<TInstallDirectory>(form, "dirTools");
    EXPECT_EQ(ChildNames(install), (std::vector<std::string>{"grpMain"}));
    EXPECT_EQ(ChildNames(group), (std::vector<std::string>{"dirHelp", "dirTools", "IFQuillery_exe"}));
    EXPECT_EQ(ChildNames(tools), (std::vector<std::string>{"IFhcrtf_exe"}));
    EXPECT_FALSE(group->DialogOptions()->AllowChangeDir());
    EXPECT_TRUE(group->DialogOptions()->DisplayDirectory());
    EXPECT_EQ(group->DialogOptions()->Description()->Count(), 2);
    EXPECT_EQ(group->InstallTypes(), (TInstallTypeSet{itFull, itDefault}));
    EXPECT_EQ(install->TotalFileSize(false), 1500);
}

TEST_P(FormTreeTest, TheStandardSpecifiersExistOnceAndTheDeclaredCompanionWins) {
    EXPECT_EQ(StandardPathSpecifiers().Count(), 35);
    EXPECT_NE(form.FindComponent("psBDEDLL"), nullptr);
    EXPECT_NE(form.FindComponent("psOfficeFavoritesDirectory"), nullptr);
    auto* tools = Named<TInstallDirectory>(form, "dirTools");
    EXPECT_EQ(tools->PathSpecifier(), form.FindComponent("psFileContainer"));
    EXPECT_EQ(form.FindComponent("psFileContainer1"), nullptr) << "the made companion was freed";
    EXPECT_EQ(Named<TInstallGroup>(form, "grpMain")->PathSpecifier()->Name().rfind("nameClash", 0), 0u);
    new TInstallDirectory(&form);
    EXPECT_EQ(StandardPathSpecifiers().Count(), 35) << "no duplicates for later containers";
}

TEST_P(FormTreeTest, EveryDestinationResolvesOnTheMachine) {
    const win32::MachineLayout layout = machine.Machine().Layout();
    const std::string main = layout.programFiles + "\\Quillery";
    EXPECT_EQ(Named<TTestInstall>(form, "Install1")->GetDestPath(), main);
    EXPECT_EQ(Named<TInstallGroup>(form, "grpMain")->GetDestPath(), main);
    EXPECT_EQ(Named<TInstallDirectory>(form, "dirTools")->GetDestPath(), main + "\\Tools");
    EXPECT_EQ(Named<TInstallDirectory>(form, "dirHelp")->GetDestPath(), main + "\\Help");
    EXPECT_EQ(Named<TInstallFile>(form, "IFhcrtf_exe")->GetDestPath(), main + "\\Tools");

    auto* link = new TRecorder(&form);
    link->SetDestDirType(Named<TpsFileContainer>(form, "psFileContainer"));
    link->SetDestDir("\\hcrtf.exe");
    EXPECT_EQ(link->GetDestPath(), main + "\\Tools\\hcrtf.exe");
    EXPECT_EQ(Named<TpsFileContainer>(form, "psFileContainer")->GetShortName(), "<Help compiler>");

    auto* desktop = Named<TCustomPathSpecifier>(form, "psCommonDesktopDirectory");
    const std::string version = GetParam();
    const std::string expectedDesktop =
        version == "XP" ? layout.commonDesktop : version == "98" ? layout.desktop : "undefined";
    EXPECT_EQ(desktop->GetPath(link), expectedDesktop);
    EXPECT_EQ(Named<TCustomPathSpecifier>(form, "psRecent")->GetPath(link),
              version == "XP" ? layout.recent : "undefined");
    EXPECT_EQ(Named<TCustomPathSpecifier>(form, "psControlPanel")->GetPath(link), "");
}

TEST_P(FormTreeTest, TheFileContainerSpecifierRefusesContainersAndFiles) {
    auto* specifier = Named<TpsFileContainer>(form, "psFileContainer");
    auto* help = Named<TInstallDirectory>(form, "dirHelp");
    try {
        help->SetDestDirType(specifier);
        FAIL();
    } catch (const IEPathSpecifier& e) {
        EXPECT_STREQ(e.what(), "A file container cannot reference another file container or group");
    }
    EXPECT_NE(dynamic_cast<TpsContainerDestDir*>(help->DestDirType()), nullptr) << "the old specifier stays";
}

TEST_P(FormTreeTest, ContainerDescriptionsNameTheContainer) {
    auto* specifier = Named<TpsContainerDestDir>(form, "psContainerDestDir");
    EXPECT_EQ(specifier->GetObjectDescription(Named<TInstallGroup>(form, "grpMain")), "Main installation directory");
    EXPECT_EQ(specifier->GetObjectDescription(Named<TInstallFile>(form, "IFhcrtf_exe")),
              "Path of the <Help compiler> directory");
    EXPECT_EQ(specifier->GetObjectDescription(Named<TInstallDirectory>(form, "dirTools")),
              "Path of the <Quillery program> group");
    EXPECT_EQ(specifier->GetObjectDescription(&form), "Path of the group (container)");
}

INSTANTIATE_TEST_SUITE_P(Windows, FormTreeTest, ::testing::Values("XP", "98", "unknown"));

}  // namespace
