#include "support_install_tree.h"

#include "objects/install_parameters.h"
#include "objects/register_install_container.h"
#include "paths/cmp_TPathSpecifier.h"
#include "vcl/classes/class_builder.h"

void TRecorder::ReceiveMessage(TObject* sender, int32_t code, TObject* po) {
    (void)sender;
    codes.push_back(code);
    parameters.push_back(po);
    if (auto* message = dynamic_cast<TMessageParameter*>(po)) lastStatusText = message->MessageText;
}

void RegisterTestClasses() {
    RegisterInstallContainerClasses();
    RegisterClass(DeclareClass<TTestDataModule, TComponent>("TDataModule"));
    RegisterClass(DeclareClass<TSetupForm, TTestDataModule>("TSetupForm"));
    RegisterClass(DeclareClass<TTestInstall, TFileContainer>("TInstall")
                      .String("DestDir", &TTestInstall::DestDir, &TTestInstall::SetDestDir)
                      .Component<TCustomPathSpecifier>("DestDirType", &TTestInstall::DestDirType,
                                                       &TTestInstall::SetDestDirType));
}
