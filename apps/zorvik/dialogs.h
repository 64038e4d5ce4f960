// SPDX-License-Identifier: GPL-3.0-or-later
// The modal choosers and the message box, behind an interface that tests replace.
#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace zorvik {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Empty when closed without a choice.
    virtual QString openFileName(QWidget* parent, const QString& title) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title) = 0;
    // Nothing when closed without a choice.
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial) = 0;
    // A text with an OK button, titled "Zorvik".
    virtual void message(QWidget* parent, const QString& text) = 0;
};


// The toolkit's file chooser remembers its last folder in the toolkit's settings, in a file shared by every
// program of that toolkit; this keeps them in $XDG_CONFIG_HOME/zorvik instead. Call after the application exists.
void keepDialogSettingsInOwnFolder();

// The toolkit's own dialogs, each modal.
class QtDialogs : public Dialogs {
public:
    QString openFileName(QWidget* parent, const QString& title) override;
    QString saveFileName(QWidget* parent, const QString& title) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override;
    void message(QWidget* parent, const QString& text) override;
};

} // namespace zorvik
