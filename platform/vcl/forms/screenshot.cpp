#include "vcl/forms/screenshot.h"

#include <QPixmap>
#include <filesystem>
#include <system_error>

#include "vcl/forms/control.h"

bool SaveScreenshot(const TControl& control, const std::string& pngPath) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(pngPath).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) return false;
    const QPixmap image = control.Widget()->grab();
    return !image.isNull() && image.save(QString::fromStdString(pngPath), "PNG");
}
