#include "messages.h"

#include <cstdio>

namespace messages {

namespace {
Sink &currentSink()
{
    static Sink sink;
    return sink;
}
} // namespace

void show(Kind kind, const QString &text)
{
    if (const Sink &sink = currentSink()) {
        sink(kind, text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", kind == Kind::Error ? "error" : "message", text.toLocal8Bit().constData());
}

Sink setSink(Sink sink)
{
    Sink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

} // namespace messages
