// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser's columns re-worded in the default locale.
#include "screen/file_chooser.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace zorvik {

namespace {

// The toolkit's file model names a file's size in column 1 and its last change in column 3.
class DefaultLocaleColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || files == nullptr || (index.column() != 1 && index.column() != 3))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        if (index.column() == 3)
            return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        return files->isDir(file) ? QString() : QLocale().formattedDataSize(files->size(file));
    }
};

} // namespace

void formatColumnsInDefaultLocale(QFileDialog& chooser)
{
    chooser.setProxyModel(new DefaultLocaleColumns(&chooser));
}

QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title, const QString& folder,
                   const QString& filters, QFileDialog::Options options)
{
    QFileDialog chooser(parent, title, folder, filters);
    chooser.setOptions(options);  // before anything else, or the desktop's own chooser is taken regardless
    chooser.setAcceptMode(mode);
    chooser.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // A file named as the folder is offered as the choice, as the toolkit's own shortcuts do it.
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        chooser.selectFile(QFileInfo(folder).fileName());
    formatColumnsInDefaultLocale(chooser);
    if (chooser.exec() != QDialog::Accepted)
        return {};
    return chooser.selectedFiles().value(0);
}

} // namespace zorvik
