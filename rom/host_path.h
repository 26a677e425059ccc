#pragma once

#include <QString>

namespace rom {

// The host file or folder that a ROM location names. "\" and "/" both
// separate folders. A drive letter stands for the root folder, except that a
// path whose first two folders are "windows" and "desktop" (any case) stands
// for the user's desktop folder. A location without a drive letter is a host
// path as it stands, taken from the working folder when it is relative. The
// result is absolute; the location text itself is never rewritten.
QString hostPath(const QString& location, const QString& desktopFolder);

}  // namespace rom
