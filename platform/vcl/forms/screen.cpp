#include "vcl/forms/screen.h"

#include <QApplication>
#include <QScreen>

#include "vcl/forms/application.h"

TScreen* Screen = new TScreen(nullptr);

namespace {

Qt::CursorShape ShapeOf(TCursor cursor) {
    switch (cursor) {
        case crHourGlass: return Qt::WaitCursor;
        case crIBeam: return Qt::IBeamCursor;
        case crHandPoint: return Qt::PointingHandCursor;
        default: return Qt::ArrowCursor;
    }
}

}  // namespace

void TScreen::SetCursor(TCursor cursor) {
    EnsureQtApplication();
    if (cursor == cursor_) return;
    if (cursor_ != crDefault) QApplication::restoreOverrideCursor();
    cursor_ = cursor;
    if (cursor_ != crDefault) QApplication::setOverrideCursor(QCursor(ShapeOf(cursor_)));
}

int32_t TScreen::Width() const {
    EnsureQtApplication();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0;
}

int32_t TScreen::Height() const {
    EnsureQtApplication();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().height() : 0;
}
