#pragma once

#include "captionlooks.h"
#include "pagestore.h"

#include <QList>
#include <QPoint>
#include <QWidget>

namespace Ui {
class TMainFrm;
}
class NoteDb;
class QMenu;
class QTextEdit;

// The index 0 … 5 of the matrix pane in which a mouse button was last pressed; -1 before the first press.
extern int FocusedPane;

// The main window: its own frame and caption buttons, the date banner, and the pages with their editors.
class TMainFrm : public QWidget
{
    Q_OBJECT

public:
    explicit TMainFrm(NoteDb &db, QWidget *parent = nullptr);
    ~TMainFrm() override;

    int CurPage = 0;
    qint32 SavedWidth = 0;
    qint32 SavedHeight = 0;
    qint32 SavedLeft = 0;
    qint32 SavedTop = 0;
    // The current background picture, and the list entry the next apply uses.
    QString CurBGPic;
    qint32 BGPicIndex = 0;

    bool LoadPage(int page) { return m_pages.LoadPage(page); }
    void SavePage(int page) { m_pages.SavePage(page); }
    void AutoSavePage() { m_pages.AutoSavePage(CurPage); }
    bool PageIoReady() const { return m_pages.PageIoReady(); }

    // The rich-text editors of a panel in its child order; pnlSix: redt6 … redt1.
    QList<QTextEdit *> panelEditors(PagePanel panel) const;

    void LoadBGPicList(bool StartAtCurrent);

    // Frame.
    void img_close_highlightClick();
    void img_mini_highlightClick();
    void N_ExitPrjClick();
    void LoadFormSize();
    void SaveFormSize();

    // Pages.
    void spbAbcMenuClick();
    void N_AClick();
    void N_BClick();
    void N_CClick();
    void btnAbc_AClick();
    void btnAbc_BClick();
    void btnAbc_CClick();

    // Six-pane matrix.
    void LayoutSixPanes();
    void ShowPaneMark(int pane);
    void RefreshEditors();

    Ui::TMainFrm *form() const { return ui; }
    QMenu *pageMenu() const { return m_ppABC; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void FormClose();
    void ShowPagePart();
    void switchToAbcPage(int page);

    // Frame.
    void setupFrame();
    void applyAnchors();
    void setCaptionLooks(const CaptionLooks &looks);
    void dragOrResizeFrom(QWidget *source, Qt::MouseButton button);
    void followManualDrag();
    Qt::Edges edgesAt(QPoint windowPos) const;

    // Pages and matrix.
    void setupPages();
    void setupMatrix();
    void setAbcColour(const QColor &colour);
    void redtMouseDown(int pane);
    void redt1MouseUp();
    void rdtAbcChange();
    void rdtAbcExit();
    void redt1Exit();

    Ui::TMainFrm *ui;
    PageStore m_pages;
    QMenu *m_ppABC = nullptr;
    bool m_shown = false;
    // Frame moves and resizes without a window manager to hand them to.
    Qt::Edges m_manualEdges;
    bool m_manualActive = false;
    QPoint m_manualStart;
    QRect m_manualGeometry;
};

extern TMainFrm *MainFrm;
