#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class NoteDb;
class QTextDocument;

// The editor panels of the main window: pnlABC holds rdtAbc, pnlSix the six panes of page C.
enum class PagePanel { ABC, Six };

struct PageMapping
{
    QString table;
    PagePanel panel;
};

// Pages 1 … 5 use tb_A … tb_E; any other number has no table.
std::optional<PageMapping> pageMapping(int page);

// Moves a page's text between its editors and row ID = 1 of its table. Every change and every loss
// of focus saves the whole page; PageIoReady keeps the editors' own notifications during a load or
// save from saving anything.
class PageStore
{
public:
    // The rich-text documents of a panel, in the panel's child order (for pnlSix: redt6 … redt1,
    // which stored data pairs with MondayCon … SaturdayCon).
    using PanelDocuments = std::function<QList<QTextDocument *>(PagePanel)>;

    PageStore(NoteDb &db, PanelDocuments documents);

    // Fills the page's editors from its table. A table without row 1 leaves the editors as they are.
    // On failure shows "加载记事内容失败！", leaves PageIoReady false and returns false.
    bool LoadPage(int page);
    // Writes the page's editors into its table. A database failure is ignored and the row keeps what
    // it held; a failure to serialise an editor is passed on. Skipped for a page whose last load failed,
    // as the editors then hold text that did not come from that page's table.
    void SavePage(int page);
    // Saves curPage unless a switch runs (curPage 0) or a load or save runs.
    void AutoSavePage(int curPage);

    bool PageIoReady() const { return m_pageIoReady; }

private:
    NoteDb &m_db;
    PanelDocuments m_documents;
    bool m_pageIoReady = false;
    int m_failedLoadPage = 0;
};
