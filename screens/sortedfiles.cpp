// A sorting proxy over QFileSystemModel.
#include "sortedfiles.h"

#include <QFileSystemModel>

namespace quorvane {

SortedFiles::SortedFiles(QDir::Filters filters, const QStringList& patterns, QObject* parent)
    : QSortFilterProxyModel(parent), files_(new QFileSystemModel(this)) {
    files_->setFilter(filters);
    files_->setNameFilters(patterns);
    files_->setNameFilterDisables(false);
    setSourceModel(files_);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    sort(0);
}

QModelIndex SortedFiles::open(const QString& folder) {
    return mapFromSource(files_->setRootPath(folder));
}

QString SortedFiles::rootpath() const {
    return files_->rootPath();
}

QString SortedFiles::path(const QModelIndex& index) const {
    return files_->filePath(mapToSource(index));
}

QString SortedFiles::name(const QModelIndex& index) const {
    return files_->fileName(mapToSource(index));
}

} // namespace quorvane
