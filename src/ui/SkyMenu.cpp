// SPDX-License-Identifier: MIT
// The Options menu's ephemeris and ayanamsa entries and their setting.
#include "ui/SkyMenu.h"

#include "ui/Settings.h"

#include <QActionGroup>
#include <QMenu>

#include <functional>
#include <iterator>

namespace {

QString NameText(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// An entry's text and object name.
struct Entry {
    const char* Text;
    const char* Name;
};

constexpr Entry EphemerisEntries[] = {
    {QT_TRANSLATE_NOOP("SkyMenu", "&Modern"), "mnuEphemerisModern"},
    {QT_TRANSLATE_NOOP("SkyMenu", "&Classical"), "mnuEphemerisClassical"},
};
static_assert(std::size(EphemerisEntries) == std::size(EphemerisKinds));

constexpr Entry AyanamsaEntries[] = {
    {QT_TRANSLATE_NOOP("SkyMenu", "&Lahiri"), "mnuAyanamsaLahiri"},
    {QT_TRANSLATE_NOOP("SkyMenu", "&Raman"), "mnuAyanamsaRaman"},
    {QT_TRANSLATE_NOOP("SkyMenu", "&Krishnamurti (KP)"), "mnuAyanamsaKp"},
    {QT_TRANSLATE_NOOP("SkyMenu", "&True Chitrapaksha"), "mnuAyanamsaTrueChitra"},
};
static_assert(std::size(AyanamsaEntries) == std::size(AyanamsaKinds));

// A submenu of checkable entries, one checked. A screen reader names the submenu and each entry
// by its text without the mnemonic's ampersand, as Qt gives menus their accessible names.
template <class Kind, std::size_t N>
void AddGroup(QMenu* parent, TranslatedTexts& texts, const char* title, const char* name,
              const Entry (&entries)[N], const Kind (&kinds)[N], Kind chosen, QObject* owner,
              std::function<void(Kind)> choose) {
    QMenu* menu = parent->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    texts.add([menu, title] { menu->setTitle(SkyMenu::tr(title)); });
    auto* group = new QActionGroup(owner);
    for (std::size_t k = 0; k < N; ++k) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QLatin1String(entries[k].Name));
        action->setCheckable(true);
        action->setChecked(kinds[k] == chosen);
        group->addAction(action);
        const char* text = entries[k].Text;
        texts.add([action, text] { action->setText(SkyMenu::tr(text)); });
        const Kind kind = kinds[k];
        QObject::connect(action, &QAction::triggered, owner, [choose, kind] { choose(kind); });
    }
}

} // namespace

SkyMenu::SkyMenu(Platform& platform, QObject* parent) : QObject(parent), platform_(platform) {
    // The settings hold the names of SkyChoice.h; an unknown one leaves the default.
    const Settings settings = ReadSettings(platform_);
    if (const auto kind = EphemerisNamed(settings.ephemeris.toStdString()))
        choice_.Ephemeris = *kind;
    if (const auto kind = AyanamsaNamed(settings.ayanamsa.toStdString()))
        choice_.Ayanamsa = *kind;
}

void SkyMenu::populate(QMenu* options, TranslatedTexts& texts) {
    AddGroup<EphemerisKind>(options, texts, QT_TR_NOOP("&Ephemeris"), "mnuEphemeris",
                            EphemerisEntries, EphemerisKinds, choice_.Ephemeris, this,
                            [this](EphemerisKind kind) {
                                SkyChoice choice = choice_;
                                choice.Ephemeris = kind;
                                choose(choice);
                            });
    AddGroup<AyanamsaKind>(options, texts, QT_TR_NOOP("&Ayanamsa"), "mnuAyanamsa", AyanamsaEntries,
                           AyanamsaKinds, choice_.Ayanamsa, this, [this](AyanamsaKind kind) {
                               SkyChoice choice = choice_;
                               choice.Ayanamsa = kind;
                               choose(choice);
                           });
}

void SkyMenu::choose(const SkyChoice& choice) {
    if (choice == choice_)
        return;
    choice_ = choice;
    UpdateSettings(platform_, [this](Settings& settings) {
        settings.ephemeris = NameText(EphemerisName(choice_.Ephemeris));
        settings.ayanamsa = NameText(AyanamsaName(choice_.Ayanamsa));
    });
    Q_EMIT changed();
}
