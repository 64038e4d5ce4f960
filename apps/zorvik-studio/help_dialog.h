// SPDX-License-Identifier: GPL-3.0-or-later
// The Hilfe menu: the rules of the game, the studio's keys as its menus bind them, and what the studio is.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QMainWindow;
class QMenuBar;
class QTabWidget;
class QTableWidget;

namespace zorvik::studio {

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    enum class Page { Rules, Keys, About };

    HelpDialog(const QMenuBar& menus, QWidget* parent);

    // Shows the page, the keys read afresh from the menus.
    void showPage(Page page);
    QTabWidget* pages() const { return pages_; }
    QTableWidget* keys() const { return keys_; }

private:
    const QMenuBar& menus_;
    QTabWidget* pages_;
    QTableWidget* keys_;
};

// Every command of the menus that has keys: its name and its keys, in the order of the menus.
QList<QStringList> shortcutRows(const QMenuBar& menus);

// Adds the Hilfe menu to the window's menu bar, after the menus already there.
HelpDialog* addHelpMenu(QMainWindow& window);

} // namespace zorvik::studio
