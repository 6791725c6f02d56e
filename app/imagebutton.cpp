#include "imagebutton.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

ImageButton::ImageButton(QWidget *parent) : QLabel(parent)
{
    // Hover moves drive the caption looks, so they must arrive without a pressed button.
    setMouseTracking(true);
    setContentsMargins(0, 0, 0, 0);
}

void ImageButton::setPicture(const QPixmap &picture, Fit fit)
{
    setScaledContents(fit == Fit::Stretch);
    setPixmap(picture);
    if (fit == Fit::Natural)
        resize(picture.size());
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    // A press with no other button held starts a new press, also when the release of the last one
    // never arrived (a window move started from the press takes it).
    if (event->buttons() == event->button())
        m_pressButton = event->button();
    QPointer<ImageButton> self(this);
    emit pressed(event->button());
    // Qt drops its implicit grab when the pressed widget hides; a look change in a pressed() handler
    // does exactly that, and the release must still come back here.
    if (self && !isVisible() && event->buttons() != Qt::NoButton)
        followHiddenPress();
}

void ImageButton::mouseMoveEvent(QMouseEvent *)
{
    emit moved();
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    const Qt::MouseButton pressButton = m_pressButton;
    if (event->buttons() == Qt::NoButton)
        m_pressButton = Qt::NoButton;
    finishPress(pressButton, event->button(), rect().contains(event->position().toPoint()));
}

// Emits last: a click handler may close the window or delete this image.
void ImageButton::finishPress(Qt::MouseButton pressButton, Qt::MouseButton releaseButton, bool inside)
{
    const bool click = pressButton == Qt::LeftButton && releaseButton == Qt::LeftButton && inside;
    QPointer<ImageButton> self(this);
    emit released();
    if (click && self)
        emit clicked();
}

void ImageButton::followHiddenPress()
{
    QWindow *handle = window()->windowHandle();
    if (!handle || m_following)
        return;
    handle->installEventFilter(this);
    m_following = true;
}

void ImageButton::stopFollowing()
{
    if (QWindow *handle = window()->windowHandle())
        handle->removeEventFilter(this);
    m_following = false;
    m_pressButton = Qt::NoButton;
}

// While following a press taken before this image was hidden, the window's mouse input belongs to
// this image, as it would to a control holding the capture.
bool ImageButton::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_following || !watched->isWindowType())
        return QLabel::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return QLabel::eventFilter(watched, event);

    auto *mouse = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseMove) {
        // A release we never saw (outside every window of the program) ends the press silently.
        if (mouse->buttons() == Qt::NoButton) {
            stopFollowing();
            return false;
        }
        emit moved();
    } else if (type == QEvent::MouseButtonPress) {
        emit pressed(mouse->button());
    } else {
        const bool inside = rect().contains(mapFrom(window(), mouse->position().toPoint()));
        const Qt::MouseButton pressButton = m_pressButton;
        if (mouse->buttons() == Qt::NoButton)
            stopFollowing();
        finishPress(pressButton, mouse->button(), inside);
    }
    return true;
}
