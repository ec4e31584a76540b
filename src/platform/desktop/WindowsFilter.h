#pragma once

#include <QStringList>

// Dialog filters arrive in the Windows form "Description|*.avi;*.mpg|Tous|*.*": pairs of a
// description and ';'-separated patterns, joined by '|'. Qt wants "Description (*.avi *.mpg)".
// "*.*" means every file on Windows, names without a dot included, so it becomes "*".
// A description that already ends with its own patterns in parentheses is not given them twice;
// any other parenthesis in a description stays text. A trailing description without patterns
// is dropped, as Windows ignores it.
QStringList qtFiltersFromWindows(const QString &windowsFilter);
