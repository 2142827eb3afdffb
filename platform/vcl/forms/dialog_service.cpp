#include "vcl/forms/dialog_service.h"

#include "vcl/forms/qt_dialogs.h"

namespace {

TDialogService* installed = nullptr;

}  // namespace

TDialogService& DialogService() {
    static TQtDialogs qtDialogs;
    return installed != nullptr ? *installed : qtDialogs;
}

TDialogService* SetDialogService(TDialogService* service) {
    TDialogService* previous = installed;
    installed = service;
    return previous;
}
