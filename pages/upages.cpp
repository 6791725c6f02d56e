// Pages A, B and C of the main window and the switch between them.
#include "umain.h"

#include "guard.h"
#include "ui_umain.h"

#include <QApplication>
#include <QMenu>
#include <QTextEdit>

namespace {
const QColor AbcColour(249, 251, 224);
}

void TMainFrm::setupPages()
{
    QFont selectorFont(QStringLiteral("宋体"));
    selectorFont.setPixelSize(16);
    selectorFont.setBold(true);
    ui->spbAbcMenu->setFont(selectorFont);

    m_ppABC = new QMenu(this);
    m_ppABC->setObjectName(QStringLiteral("ppABC"));
    QAction *nA = m_ppABC->addAction(QStringLiteral("A"));
    QAction *nB = m_ppABC->addAction(QStringLiteral("B"));
    QAction *nC = m_ppABC->addAction(QStringLiteral("C"));
    nA->setObjectName(QStringLiteral("N_A"));
    nB->setObjectName(QStringLiteral("N_B"));
    nC->setObjectName(QStringLiteral("N_C"));
    connect(nA, &QAction::triggered, this, [this] { guarded([this] { N_AClick(); }); });
    connect(nB, &QAction::triggered, this, [this] { guarded([this] { N_BClick(); }); });
    connect(nC, &QAction::triggered, this, [this] { guarded([this] { N_CClick(); }); });
    connect(ui->spbAbcMenu, &QToolButton::clicked, this, [this] { guarded([this] { spbAbcMenuClick(); }); });
    connect(ui->spbAbcMenu, &QWidget::customContextMenuRequested, this,
            [this] { guarded([this] { spbAbcMenuClick(); }); });

    QFont editorFont(QStringLiteral("宋体"));
    editorFont.setPixelSize(15);
    ui->rdtAbc->setFont(editorFont);
    setAbcColour(AbcColour);
}

void TMainFrm::setAbcColour(const QColor &colour)
{
    QPalette palette = ui->rdtAbc->palette();
    palette.setColor(QPalette::Base, colour);
    ui->rdtAbc->setPalette(palette);
}

void TMainFrm::spbAbcMenuClick()
{
    // From the first click on, a right click opens the same menu.
    ui->spbAbcMenu->setContextMenuPolicy(Qt::CustomContextMenu);
    m_ppABC->popup(ui->spbAbcMenu->mapToGlobal(QPoint(0, ui->spbAbcMenu->height())));
}

void TMainFrm::N_AClick()
{
    ui->spbAbcMenu->setText(QStringLiteral("A"));
    btnAbc_AClick();
}

void TMainFrm::N_BClick()
{
    ui->spbAbcMenu->setText(QStringLiteral("B"));
    btnAbc_BClick();
}

void TMainFrm::N_CClick()
{
    ui->spbAbcMenu->setText(QStringLiteral("C"));
    btnAbc_CClick();
}

void TMainFrm::btnAbc_AClick()
{
    switchToAbcPage(1);
}

void TMainFrm::btnAbc_BClick()
{
    switchToAbcPage(2);
}

void TMainFrm::switchToAbcPage(int page)
{
    SavePage(CurPage);
    setAbcColour(AbcColour);
    ui->pnlSix->hide();
    CurPage = 0;
    LoadPage(page);
    CurPage = page;
}

void TMainFrm::btnAbc_CClick()
{
    SavePage(CurPage);
    setAbcColour(QApplication::palette().color(QPalette::Base));
    CurPage = 0;
    LoadPage(3);
    CurPage = 3;
    ui->pnlSix->show();
}

void TMainFrm::ShowPagePart()
{
    switch (CurPage) {
    case 1:
        ui->spbAbcMenu->setText(QStringLiteral("A"));
        setAbcColour(AbcColour);
        break;
    case 2:
        ui->spbAbcMenu->setText(QStringLiteral("B"));
        setAbcColour(AbcColour);
        break;
    case 3:
        ui->pnlSix->show();
        break;
    default:
        break;
    }
    LoadPage(CurPage);
}
