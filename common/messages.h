#pragma once

#include <QString>

#include <functional>

// Message boxes raised from code without widgets. The user interface installs a sink that shows
// modal boxes captioned with the application title; tests install one that records.
namespace messages {

inline const QString AppTitle = QStringLiteral("Tovaki备忘录");

enum class Kind {
    Plain, // a fixed message of the program, OK only
    Error, // a failure's own message, error icon and OK
};

using Sink = std::function<void(Kind, const QString &)>;

// Shows the message through the installed sink (stderr when none is installed).
void show(Kind kind, const QString &text);
// Installs a sink and returns the previous one.
Sink setSink(Sink sink);

} // namespace messages
