// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's dialogs: no filter, no default extension, the working folder to start in.
#include "dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace zorvik {

namespace {

// The file chooser starts threads, each with its own wake-up descriptors, and watches the folder shown; when
// it cannot have them, GLib ends the whole program ("Creating pipes for GWakeup") and the game is lost. The
// toolkit's own chooser takes 6 more (measured), the desktop's chooser, where there is one, many more.
constexpr int kChooserDescriptors = 10;
constexpr int kDesktopChooserDescriptors = 64;

// Whether `count` more descriptors can be opened now: tried, then closed again.
bool descriptorsFree(int count)
{
    std::vector<int> opened;
    for (int i = 0; i < count; ++i) {
        const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            break;
        opened.push_back(fd);
    }
    for (int fd : opened)
        ::close(fd);
    return int(opened.size()) == count;
}

// The chooser that can live with the descriptors left, or none: then the player is told why.
template <class Choose>
QString fileNameIfRoom(QtDialogs& dialogs, QWidget* parent, const QString& title, Choose choose)
{
    if (descriptorsFree(kDesktopChooserDescriptors))
        return choose(QFileDialog::Options());
    if (descriptorsFree(kChooserDescriptors))
        return choose(QFileDialog::DontUseNativeDialog);
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    dialogs.message(parent, QStringLiteral("Die Dateiauswahl „%1“ lässt sich nicht öffnen: Das Spiel darf zu wenige "
                                           "Dateien zugleich offen halten (ulimit -n %2).")
                                .arg(title)
                                .arg(qulonglong(limit.rlim_cur)));
    return {};
}

} // namespace

void keepDialogSettingsInOwnFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/zorvik";
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& title)
{
    return fileNameIfRoom(*this, parent, title, [&](QFileDialog::Options options) {
        return QFileDialog::getOpenFileName(parent, title, {}, {}, nullptr, options);
    });
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title)
{
    return fileNameIfRoom(*this, parent, title, [&](QFileDialog::Options options) {
        return QFileDialog::getSaveFileName(parent, title, {}, {}, nullptr, options);
    });
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
