#include "rom/host_path.h"

#include <QDir>
#include <QRegularExpression>

namespace rom {

QString hostPath(const QString& location, const QString& desktopFolder) {
  if (location.trimmed().isEmpty()) return {};
  QString path = location;
  path.replace('\\', '/');
  static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
  // A relative path names a file in the working folder.
  if (!drive.match(path).hasMatch()) return QDir::cleanPath(QDir().absoluteFilePath(path));

  QStringList parts = path.mid(2).split('/', Qt::SkipEmptyParts);
  QString base = QDir::rootPath();
  if (parts.size() >= 2 && parts[0].compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0 &&
      parts[1].compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0) {
    base = desktopFolder;
    parts.remove(0, 2);
  }
  return QDir::cleanPath(base + '/' + parts.join('/'));
}

}  // namespace rom
