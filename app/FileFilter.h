#pragma once

#include <QString>

// Turns a "|"-separated list of description and pattern pairs
// ("QLSetup files|*.qls|All files|*.*") into a Qt dialog filter
// ("QLSetup files (*.qls);;All files (*.*)"). Several patterns of one pair
// are separated by ";" and become blank-separated. A trailing description
// without a pattern is dropped.
QString QtFileFilter(const QString &pipeFilter);
