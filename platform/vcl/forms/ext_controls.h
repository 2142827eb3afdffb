#pragma once
// More controls: TBevel, TSplitter, TImage (with TPicture) and TTimer.

#include <QPixmap>
#include <cstdint>
#include <string>

#include "vcl/forms/control.h"

class QFrame;
class QLabel;
class QTimer;

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner);
    std::string ClassName() const override { return "TBevel"; }
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

private:
    void UpdateFrame();
    QFrame* frame_;
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

// Resizes the control it follows on its edge: an alLeft splitter the
// alLeft control whose right edge it touches, an alTop one the alTop
// control above it, and so on. Dragging with the mouse moves the edge.
class TSplitter : public TControl {
public:
    explicit TSplitter(TComponent* owner);
    std::string ClassName() const override { return "TSplitter"; }
    // The least size the resized control keeps.
    int32_t MinSize() const { return minSize_; }
    void SetMinSize(int32_t size) { minSize_ = size; }
    // Moves the edge by `delta` pixels (right or down positive).
    void MoveBy(int32_t delta);
    // The control this splitter resizes, nullptr when there is none.
    TControl* ResizedControl() const;
    const TNotifyEvent& OnMoved() const { return onMoved_; }
    void SetOnMoved(TNotifyEvent h) { onMoved_ = std::move(h); }

protected:
    bool WidgetEvent(QEvent* event) override;

private:
    int32_t minSize_ = 30;
    bool dragging_ = false;
    int32_t dragFrom_ = 0;
    TNotifyEvent onMoved_;
};

// A picture read from a file.
class TPicture : public TPersistent {
public:
    std::string ClassName() const override { return "TPicture"; }
    // A picture file (BMP, PNG, JPEG, ...) at a Windows path; EFOpenError
    // "Cannot open file ..." when it cannot be read (the picture stays).
    void LoadFromFile(const std::string& windowsPath);
    void Clear();
    bool Empty() const { return pixmap_.isNull(); }
    int32_t Width() const { return pixmap_.width(); }
    int32_t Height() const { return pixmap_.height(); }
    const QPixmap& Pixmap() const { return pixmap_; }
    void Assign(const TPersistent* source) override;
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent h) { onChange_ = std::move(h); }

private:
    QPixmap pixmap_;
    TNotifyEvent onChange_;
};

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);
    std::string ClassName() const override { return "TImage"; }
    TPicture* Picture() { return &picture_; }
    void SetPicture(const TPicture* picture) { picture_.Assign(picture); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }

protected:
    bool WidgetEvent(QEvent* event) override;

private:
    void PictureChanged();
    QLabel* label_;
    TPicture picture_;
    bool stretch_ = false, center_ = false, autoSize_ = false, transparent_ = false;
};

// Fires OnTimer every Interval milliseconds while Enabled and OnTimer is
// assigned; the events run in the message loop.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return interval_; }
    void SetInterval(uint32_t interval);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent h);

protected:
    void Loaded() override;

private:
    void Update();
    QTimer* timer_;
    bool enabled_ = true;
    uint32_t interval_ = 1000;
    TNotifyEvent onTimer_;
};
