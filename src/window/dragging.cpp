// SPDX-License-Identifier: MIT
#include "frm_main.h"

#include "../script/callout.h"

void frmMain::HelpTextMemo_MouseDown(int, int, float X, float Y) {
    MoveHelp = -1;
    OldX = platform::toInt16(X);
    OldY = platform::toInt16(Y);
}

void frmMain::HelpTextMemo_MouseMove(int, int, float X, float Y) {
    if (MoveHelp == 0) {
        return;
    }
    HelpTextMemo->setLeft((HelpTextMemo->Left() + X) - static_cast<float>(OldX));
    HelpTextMemo->setTop((HelpTextMemo->Top() + Y) - static_cast<float>(OldY));
    const script::Callout callout = script::calloutAt(HelpTextMemo->Caption().size(),
                                                      HelpTextMemo->Left(), HelpTextMemo->Top());
    HelpTextMemoBack->setLeft(callout.plate.left);
    HelpTextMemoBack->setTop(callout.plate.top);
}

void frmMain::HelpTextMemo_MouseUp(int, int, float, float) {
    MoveHelp = 0;
}
