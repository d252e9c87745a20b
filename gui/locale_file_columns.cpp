#include "gui/locale_file_columns.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QLocale>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

namespace suite {

namespace {
// Column order of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;
constexpr int kDialogWidthPixels = 820;
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

void useLocaleFileColumns(QFileDialog& dialog) {
  dialog.setProxyModel(new LocaleFileColumns(&dialog));
  // The detail view is the dialog's one tree view.
  if (auto* files = dialog.findChild<QTreeView*>()) {
    for (const int column : {kSizeColumn, kTypeColumn, kDateColumn})
      files->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
  // Room for the name and the three columns beside the places, whose names are shown whole.
  dialog.resize(std::max(dialog.width(), kDialogWidthPixels), dialog.height());
  auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
  auto* splitter = dialog.findChild<QSplitter*>();
  if (places != nullptr && splitter != nullptr && splitter->count() == 2) {
    const int placesWidth = places->sizeHintForColumn(0) + 2 * places->frameWidth() + 8;
    splitter->setSizes({placesWidth, kDialogWidthPixels - placesWidth});
  }
}

}  // namespace suite
