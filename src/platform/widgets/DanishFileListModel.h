#pragma once

#include <QIdentityProxyModel>

// The file list of Qt's own file dialog with its sizes and dates written the Danish way. Qt writes them
// in the system's locale, so a desktop set to English showed English month names in the middle of a
// Danish dialog. Sizes in KB and MB of 1024, as Danish users know them, rather than KiB and MiB.
class DanishFileListModel : public QIdentityProxyModel {
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
