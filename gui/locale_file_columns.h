#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

namespace suite {

/// The file dialog's model as Qt builds it, with the size and date columns written in the
/// default locale (the suite's Greek: "5,30 KiB", "9/12/26 3:17 μ.μ.") rather than in the
/// system's, which is what Qt's file system model uses for them. The other columns (name,
/// type) pass through: the type is already described in the default locale.
class LocaleFileColumns : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override;
};

/// Shows `dialog`'s files through a LocaleFileColumns, with the size, type and date columns as
/// wide as their texts: Qt sizes them for English samples ("128.88 GB", "mp3Folder"), and the
/// Greek texts run longer ("Έγγραφο απλού κειμένου").
void useLocaleFileColumns(QFileDialog& dialog);

}  // namespace suite
