#pragma once
// The company's own data on the contract screen: the controls of the company
// section of Contratti.ini, read when the screen is shown and written back
// when it closes; what could not be written comes back at the next showing.
#include "ui/settings/SettingsForm.h"

class QWidget;

class ContractCompany {
public:
    // The screen's company controls must exist.
    explicit ContractCompany(QWidget *screen);

    bool holds(const char *control) const { return m_form.holds(control); }
    void read() { m_form.read(); }
    // Writes them back; the screen is warned when they could not be written.
    void write();

    static QString notSavedText();

private:
    QWidget *m_screen;
    SettingsForm m_form;
};
