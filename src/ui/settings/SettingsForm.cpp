#include "ui/settings/SettingsForm.h"

#include "core/settings/IniFile.h"
#include "core/text/TextRules.h"
#include "ui/input/InputRules.h"
#include "ui/windows/ScreenNames.h"

#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QMap>
#include <QWidget>

namespace {

// What a write could not store, by settings file and section, then by control.
QHash<QString, QMap<QString, QString>> &unsaved() {
    static QHash<QString, QMap<QString, QString>> kept;
    return kept;
}

QString where(const QString &path, const QString &section) { return path + QLatin1Char('\n') + section; }

QString textOf(const QWidget *w) {
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return Text::trim(e->text());
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return Text::trim(c->currentText());
    return {};
}

} // namespace

SettingsForm::SettingsForm(QWidget *form, std::function<QString()> path, QString section,
                           QList<SettingsKey> keys)
    : m_path(std::move(path)), m_section(std::move(section)), m_keys(std::move(keys)) {
    for (const SettingsKey &k : std::as_const(m_keys))
        m_controls.append(ScreenNames::control(form, k.control));
}

bool SettingsForm::holds(const char *control) const {
    for (const SettingsKey &k : m_keys)
        if (qstrcmp(k.control, control) == 0)
            return true;
    return false;
}

void SettingsForm::read() {
    const QString path = m_path();
    const auto kept = unsaved().constFind(where(path, m_section));
    const IniFile ini(path);
    for (qsizetype i = 0; i < m_keys.size(); ++i) {
        const SettingsKey &k = m_keys[i];
        InputRules::setShown(m_controls[i], kept != unsaved().cend()
                                                ? kept->value(QLatin1String(k.control))
                                                : ini.read(m_section, QLatin1String(k.key)));
    }
}

bool SettingsForm::write() {
    const QString path = m_path();
    IniFile ini(path);
    QMap<QString, QString> typed;
    bool all = true;
    for (qsizetype i = 0; i < m_keys.size(); ++i) {
        const SettingsKey &k = m_keys[i];
        const QString text = textOf(m_controls[i]);
        typed.insert(QLatin1String(k.control), text);
        all = ini.writeChecked(m_section, QLatin1String(k.key), text) && all;
    }
    if (all)
        unsaved().remove(where(path, m_section));
    else
        unsaved().insert(where(path, m_section), typed);
    return all;
}
