#include "umain.h"

#include "datebanner.h"
#include "formsize.h"
#include "guard.h"
#include "lifecycle.h"
#include "uglobal.h"
#include "ui_umain.h"

#include <QCloseEvent>
#include <QDate>
#include <QGuiApplication>
#include <QScreen>
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
    Q_INIT_RESOURCE(images);
    setObjectName(QStringLiteral("MainFrm"));
    ui->setupUi(this);
    setupFrame();
    setupPages();
    setupMatrix();

    connect(ui->rdtAbc, &QTextEdit::textChanged, this, [this] { guarded([this] { rdtAbcChange(); }); });
    ui->rdtAbc->installEventFilter(this);
    for (QTextEdit *pane : panelEditors(PagePanel::Six))
        connect(pane, &QTextEdit::textChanged, this, [this] { guarded([this] { redt1Exit(); }); });

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
    // 1–2: Qt paints double-buffered by itself, and there is no OLE to initialise.
    // 3–4: the shared state to its initial values.
    CurBGPic.clear();
    ResetBGPicList();
    CurPage = 0;
    FocusedPane = -1;
    // 5: the date banner, once; it stays on the start date.
    ui->lblDateTime->setText(dateBannerText(QDate::currentDate()));
    ui->lblDateTime->adjustSize();
    // 6–7: the confirmation setting.
    // 8: the background list.
    LoadBGPicList(false);
}

void TMainFrm::LoadBGPicList(bool StartAtCurrent)
{
    ::LoadBGPicList(CurBGPic, BGPicIndex, StartAtCurrent);
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
    LayoutSixPanes();
    // The information panel starts here.
}

void TMainFrm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyAnchors();
    guarded([this] { FormResize(); });
}

void TMainFrm::FormResize()
{
    repaint();
    ui->rdtAbc->viewport()->repaint();
    // Repaints and queued input run before the layout, which then reads the sizes as they are.
    QCoreApplication::processEvents();
    LayoutSixPanes();
    ShowPaneMark(FocusedPane);
    RefreshEditors();
}

void TMainFrm::LoadFormSize()
{
    FormSizeFields fields{CurPage, SavedWidth, SavedHeight, SavedLeft, SavedTop};
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const auto keep = [this](const FormSizeFields &f) {
        CurPage = f.CurPage;
        SavedWidth = f.SavedWidth;
        SavedHeight = f.SavedHeight;
        SavedLeft = f.SavedLeft;
        SavedTop = f.SavedTop;
    };
    try {
        loadFormSize(fields, screenSize, [this](const FormSizeFields &f) {
            // The size limits of the window hold the actual size; the saved fields keep what was read.
            resize(f.SavedWidth, f.SavedHeight);
            move(f.SavedLeft, f.SavedTop);
        });
    } catch (...) {
        keep(fields);
        throw;
    }
    keep(fields);
}

void TMainFrm::SaveFormSize()
{
    saveFormSize(FormSizeFields{CurPage, SavedWidth, SavedHeight, SavedLeft, SavedTop});
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
    // The system's close: nothing is saved here, every edit is already stored.
}
