#include "pagestore.h"

#include "messages.h"
#include "notedb.h"
#include "rtfcodec.h"
#include "tovakierror.h"

#include <QTextDocument>

#include <array>

namespace {

constexpr int SundayColumn = 6;
constexpr int PaneColumns = 6; // MondayCon … SaturdayCon

// Sets a flag back however the scope ends.
class RestoreTrue
{
public:
    explicit RestoreTrue(bool &flag) : m_flag(flag) {}
    ~RestoreTrue() { m_flag = true; }
    RestoreTrue(const RestoreTrue &) = delete;
    RestoreTrue &operator=(const RestoreTrue &) = delete;

private:
    bool &m_flag;
};

} // namespace

std::optional<PageMapping> pageMapping(int page)
{
    switch (page) {
    case 1:
        return PageMapping{QStringLiteral("tb_A"), PagePanel::ABC};
    case 2:
        return PageMapping{QStringLiteral("tb_B"), PagePanel::ABC};
    case 3:
        return PageMapping{QStringLiteral("tb_C"), PagePanel::Six};
    case 4:
        return PageMapping{QStringLiteral("tb_D"), PagePanel::ABC};
    case 5:
        return PageMapping{QStringLiteral("tb_E"), PagePanel::ABC};
    default:
        return std::nullopt;
    }
}

PageStore::PageStore(NoteDb &db, PanelDocuments documents) : m_db(db), m_documents(std::move(documents)) {}

bool PageStore::LoadPage(int page)
{
    m_pageIoReady = false;
    try {
        const std::optional<PageMapping> mapping = pageMapping(page);
        if (!mapping)
            throw TovakiError(QStringLiteral("no table for page %1").arg(page));
        const auto row = m_db.readRow(mapping->table);
        if (row) {
            const QList<QTextDocument *> documents = m_documents(mapping->panel);
            if (page == 1 || page == 2) {
                if (!documents.isEmpty())
                    rtf::loadDocument((*row)[SundayColumn], documents.first());
            } else {
                for (qsizetype i = 0; i < documents.size() && i < NoteDb::ColumnCount; ++i)
                    rtf::loadDocument((*row)[size_t(i)], documents[i]);
            }
        }
    } catch (const std::exception &) {
        m_failedLoadPage = page;
        messages::show(messages::Kind::Plain, QStringLiteral("加载记事内容失败！"));
        return false;
    }
    m_failedLoadPage = 0;
    m_pageIoReady = true;
    return true;
}

void PageStore::SavePage(int page)
{
    m_pageIoReady = false;
    RestoreTrue ready(m_pageIoReady);
    if (page == m_failedLoadPage)
        return;
    const std::optional<PageMapping> mapping = pageMapping(page);
    if (!mapping)
        return;

    std::array<QByteArray, PaneColumns> buffers;
    const QList<QTextDocument *> documents = m_documents(mapping->panel);
    for (qsizetype i = 0; i < documents.size() && i < PaneColumns; ++i)
        buffers[size_t(i)] = rtf::writeRtf(documents[i]);

    QList<std::pair<QString, QByteArray>> values;
    if (page == 1 || page == 2) {
        values.append({QString::fromLatin1(NoteDb::Columns[SundayColumn]), buffers[0]});
    } else {
        for (int i = 0; i < PaneColumns; ++i)
            values.append({QString::fromLatin1(NoteDb::Columns[size_t(i)]), buffers[size_t(i)]});
    }
    try {
        m_db.writeColumns(mapping->table, values);
    } catch (const TovakiError &) {
        // A failed database step leaves the row as it was; the next change saves the whole page again.
    }
}

void PageStore::AutoSavePage(int curPage)
{
    if (curPage == 0 || !m_pageIoReady)
        return;
    SavePage(curPage);
}
