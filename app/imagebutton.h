#pragma once

#include <QLabel>

class QMouseEvent;

// A picture that acts as a button: the caption images, the background and logo, and the other
// picture buttons of the forms. It reports presses of any button, pointer moves (also without a
// pressed button) and releases; a click is a left press and a left release inside the same image.
//
// Like a graphic control that holds the mouse capture, an image that takes a press keeps receiving
// the moves and the release until the button goes up, also when a pressed() handler hides it to
// show another look in its place.
class ImageButton : public QLabel
{
    Q_OBJECT

public:
    enum class Fit {
        Natural, // the widget takes the picture's size
        Stretch, // the picture fills the widget
    };

    explicit ImageButton(QWidget *parent = nullptr);

    // Shows the picture, at its own size or stretched to the widget.
    void setPicture(const QPixmap &picture, Fit fit = Fit::Natural);

signals:
    void pressed(Qt::MouseButton button);
    void moved();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finishPress(Qt::MouseButton pressButton, Qt::MouseButton releaseButton, bool inside);
    void followHiddenPress();
    void stopFollowing();

    Qt::MouseButton m_pressButton = Qt::NoButton;
    bool m_following = false;
};
