// The main window's own frame: pictures, fonts and colours, caption buttons, dragging, edge resizing
// and minimising.
#include "umain.h"

#include "guard.h"
#include "imagebutton.h"
#include "sixpanelayout.h"
#include "ui_umain.h"

#include <algorithm>

#include <QMouseEvent>
#include <QTextEdit>
#include <QWindow>

namespace {

constexpr QSize DesignClientSize(1264, 762);
constexpr int EdgeGrip = 4;

QFont uiFont(const QString &family, int pixelSize, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void fill(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

void TMainFrm::setupFrame()
{
    fill(this, QColor(232, 241, 250));
    ui->shpBG->setStyleSheet(QStringLiteral("#shpBG { background: white; border: 1px solid rgb(216, 227, 243); }"));
    ui->imgBG->setPicture(QPixmap(QStringLiteral(":/images/bg.png")), ImageButton::Fit::Stretch);
    ui->imgLogo->setPicture(QPixmap(QStringLiteral(":/images/logo.png")));
    const struct
    {
        ImageButton *image;
        const char *picture;
    } pictures[] = {
        {ui->img_close_normal, ":/images/close_normal.png"},
        {ui->img_close_highlight, ":/images/close_highlight.png"},
        {ui->img_close_down, ":/images/close_down.png"},
        {ui->img_mini_normal, ":/images/mini_normal.png"},
        {ui->img_mini_highlight, ":/images/mini_highlight.png"},
        {ui->img_mini_down, ":/images/mini_down.png"},
        {ui->imgAppToDesk, ":/images/app_to_desk.png"},
        {ui->imgFont, ":/images/font.png"},
        {ui->imgDate, ":/images/date.png"},
        {ui->imgRedColor, ":/images/red_color.png"},
    };
    for (const auto &p : pictures)
        p.image->setPicture(QPixmap(QString::fromLatin1(p.picture)));
    ui->imgAddToDesk->setPicture(QPixmap(QStringLiteral(":/images/add_to_desk.png")), ImageButton::Fit::Stretch);

    ui->lblDateTime->setFont(uiFont(QStringLiteral("微软雅黑"), 12, true));
    ui->lblDateTime->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); background: transparent;"));
    ui->lblSet->setFont(uiFont(QStringLiteral("宋体"), 12));
    ui->lblSet->setStyleSheet(QStringLiteral("background: transparent;"));
    ui->lblSet->adjustSize();
    ui->shpLeft->setStyleSheet(QStringLiteral("#shpLeft { background: rgb(216, 227, 243); }"));
    fill(ui->pnlWeb, Qt::white);
    fill(ui->pnlRight, Qt::white);
    fill(ui->shpRight, Qt::white);

    // Presses on the background and the logo move the window, with any mouse button.
    for (ImageButton *handle : {ui->imgBG, ui->imgLogo}) {
        connect(handle, &ImageButton::pressed, this,
                [this, handle](Qt::MouseButton button) { guarded([&] { dragOrResizeFrom(handle, button); }); });
        handle->installEventFilter(this);
    }
    connect(ui->imgBG, &ImageButton::moved, this,
            [this] { setCaptionLooks(captionLooks(CaptionEvent::PointerOverBackground)); });
    connect(ui->img_close_normal, &ImageButton::moved, this,
            [this] { setCaptionLooks(captionLooks(CaptionEvent::PointerOverCloseNormal)); });
    connect(ui->img_close_highlight, &ImageButton::pressed, this,
            [this] { setCaptionLooks(captionLooks(CaptionEvent::PressOnCloseHighlight)); });
    connect(ui->img_close_highlight, &ImageButton::clicked, this,
            [this] { guarded([this] { img_close_highlightClick(); }); });
    connect(ui->img_mini_normal, &ImageButton::moved, this,
            [this] { setCaptionLooks(captionLooks(CaptionEvent::PointerOverMiniNormal)); });
    connect(ui->img_mini_highlight, &ImageButton::pressed, this,
            [this] { setCaptionLooks(captionLooks(CaptionEvent::PressOnMiniHighlight)); });
    connect(ui->img_mini_highlight, &ImageButton::clicked, this,
            [this] { guarded([this] { img_mini_highlightClick(); }); });
    setCaptionLooks(InitialCaptionLooks);
}

void TMainFrm::setCaptionLooks(const CaptionLooks &looks)
{
    ui->img_close_down->setVisible(looks.closeDown);
    ui->img_close_highlight->setVisible(looks.closeHighlight);
    ui->img_close_normal->setVisible(looks.closeNormal);
    ui->img_mini_down->setVisible(looks.miniDown);
    ui->img_mini_highlight->setVisible(looks.miniHighlight);
    ui->img_mini_normal->setVisible(looks.miniNormal);
}

void TMainFrm::img_mini_highlightClick()
{
    // Minimised to the taskbar: a hidden window would leave nothing on Linux to restore it from.
    showMinimized();
    setCaptionLooks(captionLooks(CaptionEvent::MinimiseClicked));
}

// The children that follow the window's edges when it changes size.
void TMainFrm::applyAnchors()
{
    const QSize client = size();
    const auto place = [&](QWidget *widget, QRect design, Anchors anchors) {
        widget->setGeometry(anchoredRect(design, DesignClientSize, client, anchors));
    };
    const Anchors topRight = AnchorTop | AnchorRight;
    ui->shpBG->setGeometry(rect());
    ui->imgBG->setGeometry(rect());
    place(ui->img_close_normal, {1224, 1, 39, 20}, topRight);
    place(ui->img_close_highlight, {1224, 1, 39, 20}, topRight);
    place(ui->img_close_down, {1224, 1, 39, 20}, topRight);
    place(ui->img_mini_normal, {1195, 1, 28, 20}, topRight);
    place(ui->img_mini_highlight, {1194, 1, 28, 20}, topRight);
    place(ui->img_mini_down, {1194, 1, 28, 20}, topRight);
    place(ui->lblSet, {1109, 51, ui->lblSet->width(), ui->lblSet->height()}, topRight);
    // At the narrowest widths the options label would slide onto the page selector.
    const int lblSetMinLeft = ui->spbAbcMenu->geometry().right() + 4;
    if (ui->lblSet->x() < lblSetMinLeft)
        ui->lblSet->move(lblSetMinLeft, ui->lblSet->y());
    place(ui->imgAppToDesk, {1168, 24, 90, 28}, topRight);
    place(ui->pnlRight, {319, 72, 939, 642}, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom);
    const QRect right = ui->pnlRight->rect();
    ui->shpRight->setGeometry(right);
    ui->pnlABC->setGeometry(right);
    ui->rdtAbc->setGeometry(right.adjusted(2, 2, -2, -2));
    ui->pnlSix->setGeometry(
        anchoredRect({4, 3, 933, 641}, {939, 642}, right.size(), AnchorLeft | AnchorTop | AnchorRight | AnchorBottom));
}

Qt::Edges TMainFrm::edgesAt(QPoint p) const
{
    Qt::Edges edges;
    if (p.x() < EdgeGrip)
        edges |= Qt::LeftEdge;
    if (p.x() >= width() - EdgeGrip)
        edges |= Qt::RightEdge;
    if (p.y() < EdgeGrip)
        edges |= Qt::TopEdge;
    if (p.y() >= height() - EdgeGrip)
        edges |= Qt::BottomEdge;
    return edges;
}

void TMainFrm::dragOrResizeFrom(QWidget *source, Qt::MouseButton)
{
    QWindow *window = windowHandle();
    if (!window)
        return;
    const Qt::Edges edges =
        source == ui->imgBG ? edgesAt(source->mapTo(this, source->mapFromGlobal(QCursor::pos()))) : Qt::Edges();
    const bool handedOver = edges ? window->startSystemResize(edges) : window->startSystemMove();
    if (handedOver)
        return;
    // No window manager took it: follow the pointer ourselves until the button goes up.
    m_manualEdges = edges;
    m_manualActive = true;
    m_manualStart = QCursor::pos();
    m_manualGeometry = geometry();
}

void TMainFrm::followManualDrag()
{
    const QPoint delta = QCursor::pos() - m_manualStart;
    if (!m_manualEdges) {
        move(m_manualGeometry.topLeft() + delta);
        return;
    }
    QRect g = m_manualGeometry;
    if (m_manualEdges & Qt::LeftEdge)
        g.setLeft(g.left() + delta.x());
    if (m_manualEdges & Qt::RightEdge)
        g.setRight(g.right() + delta.x());
    if (m_manualEdges & Qt::TopEdge)
        g.setTop(g.top() + delta.y());
    if (m_manualEdges & Qt::BottomEdge)
        g.setBottom(g.bottom() + delta.y());
    const QSize bounded = g.size().expandedTo(minimumSize()).boundedTo(maximumSize());
    if (m_manualEdges & Qt::LeftEdge)
        g.setLeft(g.right() - bounded.width() + 1);
    if (m_manualEdges & Qt::TopEdge)
        g.setTop(g.bottom() - bounded.height() + 1);
    g.setSize(bounded);
    setGeometry(g);
}

bool TMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        if (watched == ui->rdtAbc)
            guarded([this] { rdtAbcExit(); });
        else if (qobject_cast<QTextEdit *>(watched))
            guarded([this] { redt1Exit(); });
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        QWidget *const viewports[] = {ui->redt1->viewport(), ui->redt2->viewport(), ui->redt3->viewport(),
                                      ui->redt4->viewport(), ui->redt5->viewport(), ui->redt6->viewport()};
        const auto hit = std::find(std::begin(viewports), std::end(viewports), watched);
        if (hit != std::end(viewports)) {
            const int pane = int(hit - std::begin(viewports));
            if (event->type() == QEvent::MouseButtonPress)
                guarded([&] { redtMouseDown(pane); });
            else
                guarded([this] { redt1MouseUp(); });
        }
        if (event->type() == QEvent::MouseButtonRelease)
            m_manualActive = false;
        break;
    }
    case QEvent::MouseMove:
        if (m_manualActive && (watched == ui->imgBG || watched == ui->imgLogo)) {
            if (static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton)
                m_manualActive = false;
            else
                followManualDrag();
        } else if (watched == ui->imgBG) {
            const Qt::Edges e = edgesAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            const bool diagonal = (e & (Qt::LeftEdge | Qt::RightEdge)) && (e & (Qt::TopEdge | Qt::BottomEdge));
            const bool falling = e == (Qt::LeftEdge | Qt::TopEdge) || e == (Qt::RightEdge | Qt::BottomEdge);
            ui->imgBG->setCursor(!e         ? Qt::ArrowCursor
                                 : diagonal ? (falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor)
                                 : (e & (Qt::LeftEdge | Qt::RightEdge)) ? Qt::SizeHorCursor
                                                                        : Qt::SizeVerCursor);
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
