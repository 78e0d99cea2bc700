#include "FileFilter.h"

#include <QStringList>

namespace ornadeck::app {

FileFilter translateFilter(const QString& coreFilter) {
    // Pairs of description and patterns, all separated by '|'.
    const QStringList parts = coreFilter.split(u'|');
    FileFilter out;
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        const QString spaced = QString(patterns).replace(u';', u' ');
        filters << (description.contains(u'(') ? description : description + " (" + spaced + ")");
        if (out.defaultSuffix.isEmpty()) {
            const QString first = patterns.section(u';', 0, 0).trimmed();
            if (first.startsWith("*.") && first.size() > 2 && !first.mid(1).contains(u'*'))
                out.defaultSuffix = first.mid(2).toLower();
        }
    }
    if (parts.size() == 1 && !parts[0].isEmpty()) filters << parts[0];
    out.qtFilter = filters.join(";;");
    return out;
}

} // namespace ornadeck::app
