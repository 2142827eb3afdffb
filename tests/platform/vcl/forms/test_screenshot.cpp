// A window grabbed into a PNG in the build tree.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "vcl/forms/form.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/forms/screenshot.h"
#include "vcl/forms/std_controls.h"

namespace {

TEST(Screenshot, AFormIsWrittenAsAPngOfItsSize) {
    TForm form(nullptr);
    form.SetCaption("Windows Quillery");
    form.SetBounds(0, 0, 320, 200);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alTop);
    panel->SetCaption("Pages In File");
    panel->SetColor(clRed);
    auto* edit = new TRichEdit(&form);
    edit->SetParent(&form);
    edit->SetAlign(alClient);
    edit->SetSelText("Some page text");

    const std::string path = std::string(QUILLERY_BINARY_DIR) + "/screenshots/forms_sample.png";
    std::filesystem::remove(path);
    ASSERT_TRUE(SaveScreenshot(form, path));
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 320);
    EXPECT_EQ(image.height(), 200);
    EXPECT_EQ(QColor(image.pixel(160, 20)), QColor(255, 0, 0));  // the red caption bar

    EXPECT_FALSE(SaveScreenshot(form, "/proc/no/such/folder/x.png"));
}

}  // namespace
