// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages: the rules as the game's moves play them, the keys taken from the actions, and the about page.
#include "help_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zorvik::studio {

namespace {

// Said as the palette names the cells; each sentence is what the game's move does.
const char* kRules = R"(
<h3>Ziel</h3>
<p>Der Wurm frisst alle <b>Punkte</b> des Levels; mit dem letzten ist das Level geschafft und das nächste beginnt.
Es gibt keine Uhr: nichts bewegt sich, bis eine Pfeiltaste gedrückt wird.</p>
<h3>Die Felder</h3>
<ul>
<li><b>Mauer</b>: der Kopf kommt nicht hinein; ein Zug gegen eine Mauer findet nicht statt. Mauern töten nie.
Um das Brett läuft ein Rand aus Mauer.</li>
<li><b>Punkt</b>: Futter; der Wurm wächst um ein Glied.</li>
<li><b>Halbierer</b>: nimmt dem Wurm die hintere Hälfte seines Körpers.</li>
<li><b>Schere</b>: vom Wurm bleibt nur der Kopf.</li>
<li><b>Kopf</b> und <b>Körper</b>: hier liegt der Wurm am Start, der Körper als Reihe rechts neben dem Kopf.
Danach sind es freie Felder.</li>
<li><b>Leer</b>: ein freies Feld.</li>
</ul>
<p>Punkt, Halbierer und Schere sind verbraucht, sobald der Kopf sie betritt.</p>
<h3>Ein Zug</h3>
<p>Jede Pfeiltaste bewegt den Kopf ein Feld in ihre Richtung. Jedes Glied des Körpers macht den Schritt, den das
Glied vor ihm im Zug davor gemacht hat: der Körper folgt dem Weg des Kopfes. Am Start gehen alle Glieder nach
links.</p>
<h3>Wachsen</h3>
<p>Frisst der Kopf einen Punkt, bleibt der Schwanz in diesem Zug stehen: der Wurm ist ein Glied länger.</p>
<h3>Halbieren</h3>
<p>Auf einem Halbierer verliert der Wurm die hintere Hälfte der Glieder hinter seinem Kopf, zum Kopf hin gerundet:
von 5 Gliedern bleiben 2, von 4 auch 2, von 1 keines.</p>
<h3>Schneiden</h3>
<p>Auf einer Schere verliert der Wurm seinen ganzen Körper; nur der Kopf bleibt.</p>
<h3>Umkehren</h3>
<p>Ein Wurm aus zwei Feldern, Kopf und einem Glied, darf umkehren: Kopf und Glied tauschen die Plätze. Ein längerer
Wurm stirbt beim Umkehren, denn sein zweites Glied tritt auf das neue Feld des Kopfes.</p>
<h3>Tod</h3>
<p>Der Wurm stirbt nur, wenn nach einem Zug ein Glied seines Körpers auf dem Feld steht, das der Kopf eben betreten
hat. Das Feld, das der Schwanz im selben Zug verlässt, darf der Kopf betreten, und ein Wurm, der nur aus dem Kopf
besteht, kann nicht sterben. Nach dem Tod beginnt das Level von vorn: alle Punkte sind wieder da, und der Wurm liegt
an seinem Start.</p>
)";

void addRows(const QMenu& menu, QList<QStringList>& rows)
{
    for (QAction* action : menu.actions()) {
        if (action->menu() != nullptr) {
            addRows(*action->menu(), rows);
            continue;
        }
        if (action->isSeparator() || action->shortcuts().isEmpty())
            continue;
        QStringList keys;
        for (const QKeySequence& each : action->shortcuts())
            keys << each.toString(QKeySequence::NativeText);
        // The name without its mnemonic, its "…" and the undo step it names just now.
        QString name = action->iconText();
        name.remove(QRegularExpression(QStringLiteral("\\s*…$")));
        rows.append({name, keys.join(QStringLiteral(", "))});
    }
}

QWidget* aboutPage(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setOpenExternalLinks(true);
    label->setText(QStringLiteral("<h2>Zorvik-Studio %1</h2>"
                                  "<p>Die Werkstatt für Level des Wurmspiels Zorvik: Level zeichnen, prüfen, lösen und spielen.</p>"
                                  "<p>Lizenz: GPL-3.0-or-later, die GNU General Public License, Version 3 oder jede spätere. "
                                  "Das Studio ist freie Software ohne jede Gewährleistung; Sie dürfen es nach den Bedingungen "
                                  "der Lizenz weitergeben und ändern.</p>")
                       .arg(QStringLiteral(ZORVIK_VERSION)));
    return label;
}

} // namespace

QList<QStringList> shortcutRows(const QMenuBar& menus)
{
    QList<QStringList> rows;
    for (QAction* each : menus.actions())
        if (each->menu() != nullptr)
            addRows(*each->menu(), rows);
    return rows;
}

HelpDialog::HelpDialog(const QMenuBar& menus, QWidget* parent)
    : QDialog(parent), menus_(menus), pages_(new QTabWidget(this)), keys_(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Hilfe – Zorvik-Studio"));
    auto* rules = new QTextBrowser(this);
    rules->setHtml(QString::fromUtf8(kRules));
    pages_->addTab(rules, QStringLiteral("Regeln"));

    keys_->setColumnCount(2);
    keys_->setHorizontalHeaderLabels({QStringLiteral("Befehl"), QStringLiteral("Tasten")});
    keys_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    keys_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    keys_->verticalHeader()->hide();
    keys_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* keysPage = new QWidget(this);
    auto* keysLayout = new QVBoxLayout(keysPage);
    keysLayout->addWidget(keys_);
    auto* mouse = new QLabel(QStringLiteral("Auf dem Brett malt die linke Maustaste mit dem gewählten Feld der Palette, "
                                            "die rechte malt leere Felder."),
                             keysPage);
    mouse->setWordWrap(true);
    keysLayout->addWidget(mouse);
    pages_->addTab(keysPage, QStringLiteral("Tastenkürzel"));
    pages_->addTab(aboutPage(this), QStringLiteral("Über"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    resize(620, 640);
}

void HelpDialog::showPage(Page page)
{
    const QList<QStringList> rows = shortcutRows(menus_);
    keys_->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 2; ++column)
            keys_->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    pages_->setCurrentIndex(int(page));
    show();
    raise();
    activateWindow();
}

HelpDialog* addHelpMenu(QMainWindow& window)
{
    auto* dialog = new HelpDialog(*window.menuBar(), &window);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction* rules = help->addAction(QStringLiteral("&Regeln"), dialog, [dialog] { dialog->showPage(HelpDialog::Page::Rules); });
    rules->setShortcut(QKeySequence::HelpContents);
    rules->setToolTip(QStringLiteral("Die Regeln des Spiels: die Felder, ein Zug, Wachsen, Halbieren, Schneiden, Umkehren und Tod"));
    help->addAction(QStringLiteral("&Tastenkürzel"), dialog, [dialog] { dialog->showPage(HelpDialog::Page::Keys); });
    help->addAction(QStringLiteral("Ü&ber Zorvik-Studio"), dialog, [dialog] { dialog->showPage(HelpDialog::Page::About); });
    return dialog;
}

} // namespace zorvik::studio
