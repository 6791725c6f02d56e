#pragma once

#include "messages.h"
#include "tovakierror.h"

#include <exception>
#include <utility>

// Qt does not let exceptions cross its event loop. Every event handler, creation step and show step
// runs through this guard: a failure that escapes is shown in the standard error box with its own
// message and the program goes on. Returns false when the handler failed.
template <class F> bool guarded(F &&handler) noexcept
{
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const TovakiError &e) {
        messages::show(messages::Kind::Error, e.message());
    } catch (const std::exception &e) {
        messages::show(messages::Kind::Error, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        messages::show(messages::Kind::Error, QStringLiteral("未知错误"));
    }
    return false;
}
