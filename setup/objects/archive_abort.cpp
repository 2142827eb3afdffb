#include "objects/archive_abort.h"

#include <utility>

namespace {
std::function<bool()>& Query() {
    static std::function<bool()> query;
    return query;
}
}  // namespace

bool ArchiveEngineAborted() { return Query() ? Query()() : false; }

std::function<bool()> SetArchiveEngineAbortQuery(std::function<bool()> query) {
    return std::exchange(Query(), std::move(query));
}
