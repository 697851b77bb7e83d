// SPDX-License-Identifier: MIT
#pragma once

#include "../platform/picture.h"

// What the screenshot shows when its file can't be loaded: a neutral 640 x 480 page saying
// "Screenshot not available", with the file's name and the reason.
platform::Picture placeholderPicture(const QString& fileName, const QString& reason);
