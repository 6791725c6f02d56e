// One keystroke's save: the page is serialised as RTF and written into its row in one committed
// transaction, as every change in an editor does.
#include "notedb.h"
#include "pagestore.h"
#include "programfolder.h"
#include "rtfcodec.h"

#include <QGuiApplication>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

// Appends one paragraph of mixed Chinese and ASCII text with a few format changes.
void appendParagraph(QTextCursor &cursor)
{
    QTextCharFormat plain, red, bold;
    red.setForeground(QColor(255, 0, 0));
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("今天要完成的事情："), plain);
    cursor.insertText(QStringLiteral("meeting at 10:00, "), red);
    cursor.insertText(QStringLiteral("重要紧急 "), bold);
    cursor.insertText(QStringLiteral("call back, 周期性事务。"), plain);
    cursor.insertBlock();
}

// A page whose RTF is about `bytes` long: paragraphs are alike, so the size grows by the same step each.
void fillPage(QTextDocument &doc, qsizetype bytes)
{
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    appendParagraph(cursor); // the first one also brings the colour table
    const qsizetype first = rtf::writeRtf(&doc).size();
    appendParagraph(cursor);
    const qsizetype step = qMax<qsizetype>(1, rtf::writeRtf(&doc).size() - first);
    for (qsizetype n = (bytes - first) / step; n > 1; --n)
        appendParagraph(cursor);
}

void keystrokeSave(benchmark::State &state)
{
    ProgramFolder folder;
    folder.makeDatabase();
    NoteDb db;
    db.open(folder.databasePath());
    QTextDocument page;
    PageStore store(db, [&](PagePanel) { return QList<QTextDocument *>{&page}; });
    store.LoadPage(1); // page A, empty as installed
    fillPage(page, state.range(0));
    const qsizetype rtfBytes = rtf::writeRtf(&page).size();
    QTextCursor cursor(&page);
    cursor.movePosition(QTextCursor::End);
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("x"));
        store.AutoSavePage(1);
    }
    state.counters["rtf_bytes"] = double(rtfBytes);
    state.SetBytesProcessed(state.iterations() * rtfBytes);
}

} // namespace

BENCHMARK(keystrokeSave)->Arg(10 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
