#pragma once

#include "pagestore.h"

#include <QList>
#include <QWidget>

#include <memory>

namespace Ui {
class TMainFrm;
}
class NoteDb;
class QTextEdit;

// The index 0 … 5 of the matrix pane in which a mouse button was last pressed; -1 before the first press.
extern int FocusedPane;

// The main window: the frame, the pages and their editors.
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

    bool LoadPage(int page) { return m_pages.LoadPage(page); }
    void SavePage(int page) { m_pages.SavePage(page); }
    void AutoSavePage() { m_pages.AutoSavePage(CurPage); }
    bool PageIoReady() const { return m_pages.PageIoReady(); }

    // The rich-text editors of a panel in its child order; pnlSix: redt6 … redt1.
    QList<QTextEdit *> panelEditors(PagePanel panel) const;

    // The close image's path: save the page, remember the bounds, write the window settings, end.
    void img_close_highlightClick();
    // Options menu "退出程序": end without saving.
    void N_ExitPrjClick();

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
    void LoadFormSize();
    void SaveFormSize();
    void ShowPagePart();
    void rdtAbcChange();
    void rdtAbcExit();
    void redt1Exit();

    Ui::TMainFrm *ui;
    PageStore m_pages;
    bool m_shown = false;
};

extern TMainFrm *MainFrm;
