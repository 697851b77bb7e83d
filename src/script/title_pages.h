// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace script {

// The words on the tutorial's own pages: the tips page, the title page of each section and the
// closing page. These pages show no callout; their screenshot says it all. The screenshot
// generator draws these words, and the window reads them to a screen reader.
struct TitlePage {
    QString heading;
    QString intro;
    QStringList points;
    QString footer;
};

// The page that the screenshot `pictureFile` shows (the file name as the script writes it), or
// nullptr for a screenshot of a window of Orvane.
const TitlePage* titlePage(QStringView pictureFile);

// What the page says, as one text to be read aloud: its heading, introduction, points and
// footer, each ending as a sentence.
QString spokenText(const TitlePage& page);

} // namespace script
