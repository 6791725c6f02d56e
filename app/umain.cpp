#include "umain.h"

#include "guard.h"
#include "lifecycle.h"
#include "ui_umain.h"

#include <QCloseEvent>
#include <QTextEdit>

int FocusedPane = -1;
TMainFrm *MainFrm = nullptr;

namespace {

QList<QTextDocument *> documentsOf(const QList<QTextEdit *> &editors)
{
    QList<QTextDocument *> documents;
    for (QTextEdit *editor : editors)
        documents.append(editor->document());
    return documents;
}

} // namespace

TMainFrm::TMainFrm(NoteDb &db, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ui(new Ui::TMainFrm),
      m_pages(db, [this](PagePanel panel) { return documentsOf(panelEditors(panel)); })
{
    setObjectName(QStringLiteral("MainFrm"));
    ui->setupUi(this);
    setMinimumSize(600, 450);
    setMaximumSize(1280, 800);

    connect(ui->rdtAbc, &QTextEdit::textChanged, this, [this] { guarded([this] { rdtAbcChange(); }); });
    ui->rdtAbc->installEventFilter(this);
    for (QTextEdit *pane : panelEditors(PagePanel::Six)) {
        connect(pane, &QTextEdit::textChanged, this, [this] { guarded([this] { redt1Exit(); }); });
        pane->installEventFilter(this);
    }
    ui->img_close_highlight->installEventFilter(this);

    guarded([this] { FormCreate(); });
}

TMainFrm::~TMainFrm()
{
    delete ui;
}

QList<QTextEdit *> TMainFrm::panelEditors(PagePanel panel) const
{
    if (panel == PagePanel::ABC)
        return {ui->rdtAbc};
    // Stored pages pair this order with MondayCon … SaturdayCon.
    return {ui->redt6, ui->redt5, ui->redt4, ui->redt3, ui->redt2, ui->redt1};
}

void TMainFrm::FormCreate()
{
    // 1–2: double-buffered painting is Qt's default; there is no OLE to initialise.
    // 3–4: shared state to its initial values.
    CurPage = 0;
    FocusedPane = -1;
    // 5: the date banner.
    // 6–8: the confirmation setting and the background list.
}

void TMainFrm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    guarded([this] { FormShow(); });
}

void TMainFrm::FormShow()
{
    LoadFormSize();
    ShowPagePart();
}

void TMainFrm::ShowPagePart()
{
    if (CurPage == 3)
        ui->pnlSix->show();
    LoadPage(CurPage);
}

void TMainFrm::LoadFormSize()
{
    CurPage = 1;
}

void TMainFrm::SaveFormSize() {}

void TMainFrm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    guarded([this] { FormResize(); });
}

void TMainFrm::FormResize()
{
    // pnlRight follows all four window edges; the page panels fill it.
    ui->pnlRight->setGeometry(319, 72, width() - 319 - 6, height() - 72 - 48);
    ui->pnlABC->setGeometry(0, 0, ui->pnlRight->width(), ui->pnlRight->height());
    ui->rdtAbc->setGeometry(2, 2, ui->pnlABC->width() - 4, ui->pnlABC->height() - 4);
}

void TMainFrm::rdtAbcChange()
{
    AutoSavePage();
}

void TMainFrm::rdtAbcExit()
{
    AutoSavePage();
}

void TMainFrm::redt1Exit()
{
    AutoSavePage();
}

bool TMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == ui->rdtAbc)
            guarded([this] { rdtAbcExit(); });
        else if (qobject_cast<QTextEdit *>(watched))
            guarded([this] { redt1Exit(); });
    } else if (watched == ui->img_close_highlight && event->type() == QEvent::MouseButtonRelease) {
        guarded([this] { img_close_highlightClick(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TMainFrm::img_close_highlightClick()
{
    SavePage(CurPage);
    SavedWidth = width();
    SavedHeight = height();
    SavedLeft = x();
    SavedTop = y();
    SaveFormSize();
    lifecycle::requestEnd();
}

void TMainFrm::N_ExitPrjClick()
{
    lifecycle::requestEnd();
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    guarded([this] { FormClose(); });
    QWidget::closeEvent(event);
}

void TMainFrm::FormClose()
{
    // The system's close: nothing is saved here; every edit is already stored.
}
