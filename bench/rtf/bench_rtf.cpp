// RTF write and read of a page, side by side with Qt's own HTML export and import of the same document.
#include "rtfcodec.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <map>

namespace {

constexpr qsizetype SmallPage = 10 * 1024;
constexpr qsizetype LargePage = 1024 * 1024;

// A paragraph of memo text: Chinese with some ASCII, a bold word, a red phrase and a size change.
void appendParagraph(QTextCursor &cursor, int number)
{
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("宋体")});
    plain.setFontPointSize(11);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat red = plain;
    red.setForeground(QColor(255, 0, 0));
    QTextCharFormat large = plain;
    large.setFontPointSize(14);
    large.setFontFamilies({QStringLiteral("Arial")});

    cursor.insertText(QStringLiteral("第%1条：明天上午九点在三楼会议室开会，讨论项目进度。").arg(number), plain);
    cursor.insertText(QStringLiteral("重要"), bold);
    cursor.insertText(QStringLiteral("Remember to bring the report (v2.1) and the budget sheet; "), plain);
    cursor.insertText(QStringLiteral("截止日期是下周五"), red);
    cursor.insertText(QStringLiteral("。Deadline: Friday 17:00\t"), plain);
    cursor.insertText(QStringLiteral("备注 Note"), large);
    cursor.insertText(QStringLiteral("：记得给王经理打电话确认。\n"), plain);
}

// A page whose RTF is about the given size, built once per size.
const QTextDocument &page(qsizetype rtfBytes)
{
    static std::map<qsizetype, QTextDocument *> pages;
    QTextDocument *&document = pages[rtfBytes];
    if (document == nullptr) {
        document = new QTextDocument;
        document->setDefaultFont(QFont(QStringLiteral("宋体"), 11));
        QTextCursor cursor(document);
        int paragraphs = 0;
        while (rtf::writeRtf(document).size() < rtfBytes) {
            const int batch = std::max<int>(1, int(rtfBytes / 600 - paragraphs) / 2);
            for (int i = 0; i < batch; ++i)
                appendParagraph(cursor, ++paragraphs);
        }
    }
    return *document;
}

void setCounters(benchmark::State &state, const QTextDocument &document)
{
    state.counters["rtf_bytes"] = double(rtf::writeRtf(&document).size());
    state.counters["characters"] = double(document.characterCount());
}

void writeRtf(benchmark::State &state)
{
    const QTextDocument &document = page(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(rtf::writeRtf(&document));
    setCounters(state, document);
}

void toHtml(benchmark::State &state)
{
    const QTextDocument &document = page(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toHtml());
    setCounters(state, document);
}

void readRtf(benchmark::State &state)
{
    const QTextDocument &document = page(state.range(0));
    const QByteArray bytes = rtf::writeRtf(&document);
    QTextDocument target;
    for (auto _ : state)
        rtf::readRtf(bytes, &target);
    setCounters(state, document);
}

void setHtml(benchmark::State &state)
{
    const QTextDocument &document = page(state.range(0));
    const QString html = document.toHtml();
    QTextDocument target;
    for (auto _ : state)
        target.setHtml(html);
    setCounters(state, document);
}

BENCHMARK(writeRtf)->Arg(SmallPage)->Arg(LargePage)->Unit(benchmark::kMillisecond);
BENCHMARK(toHtml)->Arg(SmallPage)->Arg(LargePage)->Unit(benchmark::kMillisecond);
BENCHMARK(readRtf)->Arg(SmallPage)->Arg(LargePage)->Unit(benchmark::kMillisecond);
BENCHMARK(setHtml)->Arg(SmallPage)->Arg(LargePage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
