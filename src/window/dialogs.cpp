// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's dialogs: no filter, no default extension, the working folder to start in.
#include "window/dialogs.h"

#include "window/file_chooser.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace zorvik {

void keepDialogSettingsInOwnFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/zorvik";
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& title)
{
    return chooseFile(parent, QFileDialog::AcceptOpen, title);
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title)
{
    return chooseFile(parent, QFileDialog::AcceptSave, title);
}

std::optional<QColor> QtDialogs::colour(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent, QStringLiteral("Wurmfarbe"));
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void QtDialogs::message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zorvik"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace zorvik
