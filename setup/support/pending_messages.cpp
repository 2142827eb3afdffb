#include "support/pending_messages.h"

#include <utility>

namespace {
std::function<void()>& Handler() {
    static std::function<void()> handler;
    return handler;
}
}  // namespace

void ProcessPendingMessages() {
    // A copy, so that a handler may replace itself while it runs.
    if (std::function<void()> handler = Handler()) handler();
}

std::function<void()> SetPendingMessagesHandler(std::function<void()> handler) {
    return std::exchange(Handler(), std::move(handler));
}
