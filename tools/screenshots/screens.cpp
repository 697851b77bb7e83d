// SPDX-License-Identifier: MIT
#include "screens.h"

namespace shots {

namespace {

const std::array<std::span<const SceneDrawing> (*)(), 8> kFiles = {
    screens::pageDrawings,     screens::navigationDrawings,       screens::receivablesDrawings,
    screens::payablesDrawings, screens::inventoryPayrollDrawings, screens::ledgerDrawings,
    screens::reportsDrawings,  screens::companyDrawings,
};

} // namespace

QList<SceneDrawing> allDrawings() {
    QList<SceneDrawing> all;
    for (const auto& drawingsOfFile : kFiles) {
        for (const SceneDrawing& d : drawingsOfFile()) {
            all.append(d);
        }
    }
    return all;
}

const SceneDrawing* drawingFor(int scene) {
    for (const auto& drawingsOfFile : kFiles) {
        for (const SceneDrawing& d : drawingsOfFile()) {
            if (d.scene == scene) {
                return &d;
            }
        }
    }
    return nullptr;
}

} // namespace shots
