// The file system as a model in name order, however its background scan fills it in.
#pragma once

#include <QDir>
#include <QSortFilterProxyModel>

class QFileSystemModel;

namespace quorvane {

class SortedFiles : public QSortFilterProxyModel {
    Q_OBJECT
public:
    SortedFiles(QDir::Filters filters, QObject* parent);

    // Starts reading the folder, and every folder above it; returns its index here.
    QModelIndex open(const QString& folder);
    QString path(const QModelIndex& index) const;

private:
    QFileSystemModel* files_;
};

} // namespace quorvane
