// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's dialogs in German.
#include "studio_dialogs.h"

#include "screen/file_chooser.h"

#include <QDateTime>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace zorvik::studio {

namespace {

const QString kTitle = QStringLiteral("Zorvik-Studio");
const QString kFilters = QStringLiteral("Zorvik-Level (*.ZVK *.zvk);;Textraster (*.txt);;Alle Dateien (*)");

} // namespace

QString QtStudioDialogs::openFileName(QWidget* parent, const QString& folder)
{
    return chooseFile(parent, QFileDialog::AcceptOpen, QStringLiteral("Level öffnen"), folder,
                      QStringLiteral("Level und Raster (*.ZVK *.zvk *.txt);;") + kFilters);
}

QString QtStudioDialogs::saveFileName(QWidget* parent, const QString& suggestion)
{
    return chooseFile(parent, QFileDialog::AcceptSave, QStringLiteral("Level speichern"), suggestion, kFilters);
}

StudioDialogs::Answer QtStudioDialogs::unsavedChanges(QWidget* parent, const QString& levelName)
{
    QMessageBox box(QMessageBox::Warning, kTitle,
                    QStringLiteral("„%1“ hat Änderungen, die nicht gespeichert sind.").arg(levelName), QMessageBox::NoButton,
                    parent);
    box.setInformativeText(QStringLiteral("Sollen sie gespeichert werden?"));
    QPushButton* save = box.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save)
        return Answer::Save;
    return box.clickedButton() == discard ? Answer::Discard : Answer::Cancel;
}

void QtStudioDialogs::message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, kTitle, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

std::optional<int> QtStudioDialogs::boardSide(QWidget* parent, int current, int largest)
{
    bool ok = false;
    const int side = QInputDialog::getInt(parent, QStringLiteral("Größe ändern"),
                                          QStringLiteral("Felder je Seite (der Inhalt bleibt in der Mitte):"), current, 1,
                                          largest, 1, &ok);
    return ok ? std::optional<int>(side) : std::nullopt;
}

StudioDialogs::Recovery QtStudioDialogs::recoveryFound(QWidget* parent, const QString& levelName, const QDateTime& when)
{
    QMessageBox box(QMessageBox::Question, kTitle,
                    QStringLiteral("Das Studio wurde beendet, als „%1“ ungespeicherte Änderungen hatte.").arg(levelName),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(QStringLiteral("Die Sicherungskopie vom %1 wiederherstellen oder verwerfen?")
                               .arg(QLocale(QLocale::German).toString(when, QStringLiteral("d. MMMM yyyy 'um' HH:mm 'Uhr'"))));
    QPushButton* restore = box.addButton(QStringLiteral("Wiederherstellen"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    // Closed without a choice: the copy waits for the next start.
    if (box.clickedButton() == restore)
        return Recovery::Restore;
    return box.clickedButton() == discard ? Recovery::Discard : Recovery::Later;
}

QString QtStudioDialogs::folderName(QWidget* parent, const QString& start)
{
    QFileDialog chooser(parent, QStringLiteral("Levelordner wählen"), start);
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOption(QFileDialog::ShowDirsOnly);
    formatColumnsInDefaultLocale(chooser);
    return chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty() ? chooser.selectedFiles().first() : QString();
}

bool QtStudioDialogs::confirmRenames(QWidget* parent, const QStringList& renames)
{
    QMessageBox box(QMessageBox::Question, kTitle,
                    QStringLiteral("Für die neue Reihenfolge werden %1 Dateien umbenannt; das Spiel ordnet die Level nach "
                                   "ihren Namen.")
                        .arg(renames.size()),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(QStringLiteral("Umbenennen?"));
    box.setDetailedText(renames.join('\n'));
    QPushButton* rename = box.addButton(QStringLiteral("Umbenennen"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(rename);
    // The list open at once: it is what the question is about.
    for (QAbstractButton* button : box.buttons())
        if (box.buttonRole(button) == QMessageBox::ActionRole)
            button->click();
    box.exec();
    return box.clickedButton() == rename;
}

std::optional<QString> QtStudioDialogs::levelName(QWidget* parent, const QString& current)
{
    bool ok = false;
    const QString name = QInputDialog::getText(parent, QStringLiteral("Umbenennen"), QStringLiteral("Neuer Name des Levels:"),
                                               QLineEdit::Normal, current, &ok);
    return ok && !name.trimmed().isEmpty() ? std::optional<QString>(name.trimmed()) : std::nullopt;
}

} // namespace zorvik::studio
