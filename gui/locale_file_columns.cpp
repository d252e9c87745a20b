#include "gui/locale_file_columns.h"

#include <QFileSystemModel>
#include <QLocale>

namespace suite {

namespace {
// Column order of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;
}  // namespace

QVariant LocaleFileColumns::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (role != Qt::DisplayRole || files == nullptr || !index.isValid())
    return QIdentityProxyModel::data(index, role);
  const QModelIndex source = mapToSource(index);
  if (index.column() == kSizeColumn) {
    // Folders show no size, as in Qt's own column.
    if (files->isDir(source)) return QString();
    return QLocale().formattedDataSize(files->size(source));
  }
  if (index.column() == kDateColumn) {
    const QDateTime modified = files->lastModified(source);
    return modified.isValid() ? QLocale().toString(modified, QLocale::ShortFormat) : QString();
  }
  return QIdentityProxyModel::data(index, role);
}

}  // namespace suite
