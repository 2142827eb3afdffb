#include "vcl/forms/ext_controls.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "vcl/forms/application.h"
#include "vcl/forms/host_paths.h"
#include "vcl/system/exception.h"

// TBevel

TBevel::TBevel(TComponent* owner) : TControl(owner, MakeWidget<QFrame>()), frame_(static_cast<QFrame*>(Widget())) {
    SetBounds(0, 0, 50, 50);
    UpdateFrame();
}

void TBevel::SetShape(TBevelShape shape) {
    shape_ = shape;
    UpdateFrame();
}

void TBevel::SetStyle(TBevelStyle style) {
    style_ = style;
    UpdateFrame();
}

void TBevel::UpdateFrame() {
    switch (shape_) {
        case bsBox:
        case bsFrame: frame_->setFrameShape(QFrame::Box); break;
        case bsTopLine:
        case bsBottomLine: frame_->setFrameShape(QFrame::HLine); break;
        case bsLeftLine:
        case bsRightLine: frame_->setFrameShape(QFrame::VLine); break;
        case bsSpacer: frame_->setFrameShape(QFrame::NoFrame); break;
    }
    frame_->setFrameShadow(style_ == bsLowered ? QFrame::Sunken : QFrame::Raised);
}

// TSplitter

TSplitter::TSplitter(TComponent* owner) : TControl(owner, MakeWidget<QWidget>()) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
}

TControl* TSplitter::ResizedControl() const {
    if (Parent() == nullptr) return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || c->Align() != Align() || !c->Visible()) continue;
        const bool touches = (Align() == alLeft && c->Left() + c->Width() == Left()) ||
                             (Align() == alRight && c->Left() == Left() + Width()) ||
                             (Align() == alTop && c->Top() + c->Height() == Top()) ||
                             (Align() == alBottom && c->Top() == Top() + Height());
        if (touches) return c;
    }
    return nullptr;
}

void TSplitter::MoveBy(int32_t delta) {
    TControl* resized = ResizedControl();
    if (resized == nullptr || delta == 0) return;
    switch (Align()) {
        case alLeft: resized->SetWidth(std::max(resized->Width() + delta, minSize_)); break;
        case alRight: resized->SetWidth(std::max(resized->Width() - delta, minSize_)); break;
        case alTop: resized->SetHeight(std::max(resized->Height() + delta, minSize_)); break;
        case alBottom: resized->SetHeight(std::max(resized->Height() - delta, minSize_)); break;
        default: return;
    }
    if (onMoved_) onMoved_(this);
}

bool TSplitter::WidgetEvent(QEvent* event) {
    const bool horizontal = Align() == alTop || Align() == alBottom;
    auto along = [&](QMouseEvent* mouse) {
        const QPointF global = mouse->globalPosition();
        return static_cast<int32_t>(horizontal ? global.y() : global.x());
    };
    switch (event->type()) {
        case QEvent::Enter:
            Widget()->setCursor(horizontal ? Qt::SplitVCursor : Qt::SplitHCursor);
            return false;
        case QEvent::MouseButtonPress:
            dragging_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            dragFrom_ = along(static_cast<QMouseEvent*>(event));
            return TControl::WidgetEvent(event);
        case QEvent::MouseMove:
            if (dragging_) {
                const int32_t at = along(static_cast<QMouseEvent*>(event));
                MoveBy(at - dragFrom_);
                dragFrom_ = at;
            }
            return false;
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return TControl::WidgetEvent(event);
        default:
            return TControl::WidgetEvent(event);
    }
}

// TPicture

void TPicture::LoadFromFile(const std::string& windowsPath) {
    const std::string host = HostPathOfWindows(windowsPath);
    QPixmap loaded(QString::fromStdString(host));
    if (host.empty() || loaded.isNull()) throw EFOpenError("Cannot open file \"" + windowsPath + "\"");
    pixmap_ = loaded;
    if (onChange_) onChange_(this);
}

void TPicture::Clear() {
    pixmap_ = QPixmap();
    if (onChange_) onChange_(this);
}

void TPicture::Assign(const TPersistent* source) {
    if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        pixmap_ = picture->pixmap_;
        if (onChange_) onChange_(this);
        return;
    }
    if (source == nullptr) {
        Clear();
        return;
    }
    TPersistent::Assign(source);
}

// TImage

TImage::TImage(TComponent* owner) : TControl(owner, MakeWidget<QLabel>()), label_(static_cast<QLabel*>(Widget())) {
    SetBounds(0, 0, 105, 105);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_.SetOnChange(TNotifyEvent(this, [this](TObject*) { PictureChanged(); }));
}

void TImage::PictureChanged() {
    label_->setPixmap(picture_.Pixmap());
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    label_->setScaledContents(stretch);
}

void TImage::SetCenter(bool center) {
    center_ = center;
    label_->setAlignment(center ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
}

void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    PictureChanged();
}

bool TImage::WidgetEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Click();
    return TControl::WidgetEvent(event);
}

// TTimer

TTimer::TTimer(TComponent* owner) : TComponent(owner), timer_(MakeWidget<QTimer>()) {
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (onTimer_) RunGuarded(this, [this] { onTimer_(this); });
    });
}

TTimer::~TTimer() { delete timer_; }

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(uint32_t interval) {
    interval_ = interval;
    Update();
}

void TTimer::SetOnTimer(TNotifyEvent h) {
    onTimer_ = std::move(h);
    Update();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    Update();
}

void TTimer::Update() {
    timer_->stop();
    if (enabled_ && interval_ > 0 && onTimer_ && !ComponentState().Contains(csLoading))
        timer_->start(static_cast<int>(interval_));
}
