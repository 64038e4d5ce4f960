// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' command-line texts, translated by a translator of their own that needs no application object,
// because help and mistakes are answered before the toolkit starts.
#include "screen/program_texts.h"

#include <QLocale>
#include <QTranslator>

#include <memory>

namespace zorvik {

namespace {

// Empty while the texts are English.
std::unique_ptr<QTranslator>& german()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

bool environmentWantsGerman()
{
    return QLocale::system().language() == QLocale::German;
}

void useGermanTexts(bool wanted)
{
    german().reset();
    auto translator = std::make_unique<QTranslator>();
    if (wanted && translator->load(QStringLiteral(":/i18n/zorvik_de.qm")))
        german() = std::move(translator);
}

QString translate(const char* context, const char* sourceText)
{
    const QString translated = german() ? german()->translate(context, sourceText) : QString();
    return translated.isEmpty() ? QString::fromUtf8(sourceText) : translated;
}

std::string fill(const QString& text, std::initializer_list<std::string_view> values)
{
    const std::string utf8 = text.toStdString();
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const std::size_t slot = i + 1 < utf8.size() ? static_cast<std::size_t>(utf8[i + 1] - '1') : values.size();
        if (utf8[i] == '%' && slot < values.size()) {
            out += values.begin()[slot];
            ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

} // namespace zorvik
