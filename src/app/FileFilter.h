#pragma once

#include <QString>

namespace ornadeck::app {

// The core writes file filters as "Description (*.x)|*.x"; Qt wants "Description (*.x)".
struct FileFilter {
    QString qtFilter;
    // The first pattern's extension without the dot ("ozf"), empty for "*" or "*.*".
    QString defaultSuffix;
};

FileFilter translateFilter(const QString& coreFilter);

} // namespace ornadeck::app
