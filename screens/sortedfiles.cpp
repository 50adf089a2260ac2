// A sorting proxy over QFileSystemModel.
#include "sortedfiles.h"

#include <QFileSystemModel>

namespace quorvane {

SortedFiles::SortedFiles(QDir::Filters filters, QObject* parent)
    : QSortFilterProxyModel(parent), files_(new QFileSystemModel(this)) {
    files_->setFilter(filters);
    setSourceModel(files_);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    sort(0);
}

QModelIndex SortedFiles::open(const QString& folder) {
    return mapFromSource(files_->setRootPath(folder));
}

QString SortedFiles::path(const QModelIndex& index) const {
    return files_->filePath(mapToSource(index));
}

} // namespace quorvane
