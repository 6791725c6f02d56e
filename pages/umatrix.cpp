// The six-pane matrix of page C: its look, its layout at every size and the mark over the pane last clicked.
#include "umain.h"

#include "sixpanelayout.h"
#include "ui_umain.h"

#include <QLabel>
#include <QTextEdit>

namespace {

const QColor LineColour(220, 227, 255);
const QColor PaneColour(234, 249, 255);

} // namespace

void TMainFrm::setupMatrix()
{
    ui->pnlSix->setStyleSheet(QStringLiteral("#pnlSix { background: white; }"));
    for (QFrame *line :
         {ui->pnl_yearLine0, ui->pnl_yearLine1, ui->pnl_yearLine2, ui->pnl_yearLineREdge, ui->pnl_buttonline}) {
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, LineColour);
        line->setPalette(palette);
        line->setAutoFillBackground(true);
    }
    const QPixmap titleBar(QStringLiteral(":/images/title_bar.png"));
    for (QLabel *bar : {ui->imgtitle_year1, ui->imgtitle_year2}) {
        bar->setPixmap(titleBar);
        bar->setScaledContents(true);
    }
    ui->imgSelColor->setPixmap(QPixmap(QStringLiteral(":/images/sel_color.png")));
    ui->imgSelColor->setScaledContents(true);

    QFont titleFont(QStringLiteral("宋体"));
    titleFont.setPixelSize(12);
    for (QLabel *title : {ui->lblweek1, ui->lblweek2, ui->lblweek3, ui->lblweek4, ui->lblweek5, ui->lblweek67}) {
        title->setFont(titleFont);
        title->setAttribute(Qt::WA_TranslucentBackground);
        title->adjustSize();
    }

    QFont paneFont(QStringLiteral("宋体"));
    paneFont.setPixelSize(15);
    const QList<QTextEdit *> panes = panelEditors(PagePanel::Six);
    for (QTextEdit *pane : panes) {
        pane->setFont(paneFont);
        QPalette palette = pane->palette();
        palette.setColor(QPalette::Base, PaneColour);
        // Only redt1 and redt6 keep their selection visible without the focus.
        if (pane != ui->redt1 && pane != ui->redt6) {
            palette.setColor(QPalette::Inactive, QPalette::Highlight, PaneColour);
            palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                             palette.color(QPalette::Active, QPalette::Text));
        }
        pane->setPalette(palette);
        pane->installEventFilter(this);
        pane->viewport()->installEventFilter(this);
    }
}

void TMainFrm::LayoutSixPanes()
{
    const SixPaneGeometry g = sixPaneGeometry(ui->pnlSix->size());
    ui->imgtitle_year1->setGeometry(g.title1);
    ui->imgtitle_year2->setGeometry(g.title2);
    ui->pnl_yearLine0->setGeometry(g.yearLine0);
    ui->pnl_yearLine1->setGeometry(g.yearLine1);
    ui->pnl_yearLine2->setGeometry(g.yearLine2);
    ui->pnl_yearLineREdge->setGeometry(g.yearLineREdge);
    ui->pnl_buttonline->setGeometry(g.buttonLine);
    QTextEdit *const panes[] = {ui->redt1, ui->redt2, ui->redt3, ui->redt4, ui->redt5, ui->redt6};
    QLabel *const labels[] = {ui->lblweek1, ui->lblweek2, ui->lblweek3, ui->lblweek4, ui->lblweek5, ui->lblweek67};
    for (int i = 0; i < 6; ++i) {
        panes[i]->setGeometry(g.layout.panes[size_t(i)]);
        labels[i]->move(g.layout.labels[size_t(i)]);
    }
}

void TMainFrm::ShowPaneMark(int pane)
{
    const std::optional<QRect> mark = paneMarkRect(sixPaneGeometry(ui->pnlSix->size()), pane);
    if (!mark) {
        ui->imgSelColor->hide();
        return;
    }
    ui->imgSelColor->setGeometry(*mark);
    ui->imgSelColor->show();
}

void TMainFrm::RefreshEditors()
{
    if (CurPage < 3) {
        ui->rdtAbc->viewport()->repaint();
        return;
    }
    for (QTextEdit *pane : panelEditors(PagePanel::Six))
        pane->viewport()->repaint();
}

void TMainFrm::redtMouseDown(int pane)
{
    FocusedPane = pane;
}

void TMainFrm::redt1MouseUp()
{
    ui->imgSelColor->hide();
    ShowPaneMark(FocusedPane);
}
