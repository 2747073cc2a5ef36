// SPDX-License-Identifier: GPL-3.0-or-later
// The file a recovery copy's project was opened from or saved to, kept beside the copy
// (originPath), so that a recovered project can be named; an untitled project has none.
#pragma once
#include <string>

// Writes `origin` beside the copy at `copy` through the atomic save; "" removes what stands there.
// Throws as the text file writer does.
void writeRecoveryOrigin(const std::string& copy, const std::string& origin);

// The origin beside the copy at `copy`; "" when there is none or it cannot be read now (the
// copy is what matters, its name only labels it). Never throws for the file.
std::string readRecoveryOrigin(const std::string& copy);
