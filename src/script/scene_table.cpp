// SPDX-License-Identifier: MIT
#include "scene_table.h"

#include "../platform/runtime_error.h"

namespace script {

void SceneTable::checkIndex(Int16 i) {
    // Taken as unsigned, every negative index lies above the table as well.
    if (static_cast<std::uint16_t>(i) >= kSize) {
        throw platform::RuntimeError(platform::ErrorKind::SubscriptOutOfRange,
                                     QStringLiteral("scene %1 is outside 0 to 500").arg(i));
    }
}

Scene& SceneTable::operator()(Int16 i) {
    checkIndex(i);
    return records_[static_cast<std::size_t>(i)];
}

const Scene& SceneTable::operator()(Int16 i) const {
    checkIndex(i);
    return records_[static_cast<std::size_t>(i)];
}

} // namespace script
