#pragma once
// TImageList: numbered images of one size, for tree views and menus.

#include <QIcon>
#include <cstdint>
#include <string>
#include <vector>

#include "vcl/classes/component.h"

// Pictures every system has, for lists made by code.
enum TStandardImage { siFolder, siDocument, siInformation, siWarning, siError, siQuestion };

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    std::string ClassName() const override { return "TImageList"; }

    int32_t Width() const { return width_; }
    void SetWidth(int32_t width) { width_ = width; }
    int32_t Height() const { return height_; }
    void SetHeight(int32_t height) { height_ = height; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Each returns the new image's index.
    int AddStandard(TStandardImage image);
    // A picture file (BMP, PNG, ...) at a Windows path; EFOpenError
    // "Cannot open file ..." when it cannot be read.
    int AddFromFile(const std::string& windowsPath);
    int AddIcon(const QIcon& icon);
    void Delete(int index);
    void Clear() { images_.clear(); }
    // An empty icon for an index outside the list.
    QIcon Icon(int index) const;

private:
    std::vector<QIcon> images_;
    int32_t width_ = 16;
    int32_t height_ = 16;
};
