#include "platform/widgets/DanishFileListModel.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

// The columns of QFileSystemModel that Qt writes in the system's locale.
enum Column { Size = 1, Modified = 3 };

const QLocale &danish()
{
    static const QLocale locale(QLocale::Danish, QLocale::Denmark);
    return locale;
}

} // namespace

QVariant DanishFileListModel::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !files || (index.column() != Size && index.column() != Modified))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == Size)
        return files->isDir(source)
            ? QString()
            : danish().formattedDataSize(files->size(source), 2, QLocale::DataSizeTraditionalFormat);
    const QDateTime modified = files->lastModified(source);
    return modified.isValid() ? danish().toString(modified, QLocale::ShortFormat) : QString();
}
