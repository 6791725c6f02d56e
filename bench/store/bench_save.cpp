// One keystroke's save: the page is serialised as RTF and written into its row in one committed
// transaction, as every change in an editor does.
#include "notedb.h"
#include "pagestore.h"
#include "programfolder.h"

#include <QGuiApplication>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

// A page of mixed Chinese and ASCII text with a format change every few words, about `bytes` of RTF.
void fillPage(QTextDocument &doc, qsizetype bytes)
{
    QTextCursor cursor(&doc);
    QTextCharFormat plain, red, bold;
    red.setForeground(QColor(255, 0, 0));
    bold.setFontWeight(QFont::Bold);
    const QString words[] = {QStringLiteral("今天要完成的事情："), QStringLiteral("meeting at 10:00, "),
                             QStringLiteral("重要紧急 "), QStringLiteral("call back "), QStringLiteral("周期性事务。")};
    qsizetype written = 0;
    for (int i = 0; written < bytes; ++i) {
        const QString &word = words[i % 5];
        cursor.insertText(word, i % 7 == 0 ? red : (i % 11 == 0 ? bold : plain));
        written += word.size() * 3;
        if (i % 12 == 11)
            cursor.insertBlock();
    }
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
    QTextCursor cursor(&page);
    cursor.movePosition(QTextCursor::End);
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("x"));
        store.AutoSavePage(1);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
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
