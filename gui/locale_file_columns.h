#pragma once

#include <QIdentityProxyModel>

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

}  // namespace suite
