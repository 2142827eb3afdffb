#include "vcl/forms/image_list.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

#include "vcl/forms/application.h"
#include "vcl/forms/host_paths.h"
#include "vcl/system/exception.h"

TImageList::TImageList(TComponent* owner) : TComponent(owner) { EnsureQtApplication(); }

int TImageList::AddIcon(const QIcon& icon) {
    images_.push_back(icon);
    return Count() - 1;
}

int TImageList::AddStandard(TStandardImage image) {
    static constexpr QStyle::StandardPixmap kPixmaps[] = {
        QStyle::SP_DirIcon,         QStyle::SP_FileIcon,          QStyle::SP_MessageBoxInformation,
        QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion,
    };
    return AddIcon(QApplication::style()->standardIcon(kPixmaps[image]));
}

int TImageList::AddFromFile(const std::string& windowsPath) {
    const std::string host = HostPathOfWindows(windowsPath);
    const QPixmap picture(QString::fromStdString(host));
    if (host.empty() || picture.isNull()) throw EFOpenError("Cannot open file \"" + windowsPath + "\"");
    return AddIcon(QIcon(picture));
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    images_.erase(images_.begin() + index);
}

QIcon TImageList::Icon(int index) const {
    return index >= 0 && index < Count() ? images_[static_cast<size_t>(index)] : QIcon();
}
