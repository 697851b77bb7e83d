// SPDX-License-Identifier: MIT
// Prints the callout text of every scene that has one, one text a line, for the spelling test.
#include "script/help_texts.h"
#include "script/tutorial_script.h"

#include <iostream>

int main() {
    for (int scene = 1; scene <= script::kScriptScenes; ++scene) {
        const std::string_view text = script::helpText(scene);
        if (!text.empty()) {
            std::cout << text << '\n';
        }
    }
    return std::cout.good() ? 0 : 1;
}
