#pragma once
// The week planner, opened from the agenda: one week of appointments,
// Monday to Sunday, as blocks at their time; the week moved with the arrows,
// Oggi or the calendar, one operator or all, the week printed. A double-click
// on a block opens the appointment card on that very record; back here the
// week is read again. Read-only, like the agenda.
// Drives appointments/planning/PlanningWeek (the week), drawn by PlanningView and PlanningPrint.
#include "appointments/planning/PlanningWeek.h"
#include "ui/windows/ModuleWindow.h"

class HintTracker;
class PlanningView;
class MonthCalendar;
class QComboBox;
class QLabel;
class QToolButton;
class TfrmArchivio_Scadenze;

class TfrmPlanning : public ModuleWindow {
    Q_OBJECT
public:
    // card: where a double-clicked block is opened (none: blocks open nothing).
    explicit TfrmPlanning(TfrmArchivio_Scadenze *card = nullptr, QWidget *parent = nullptr);

    // Reads the week holding day from the archive and shows it.
    void showWeek(const QDate &day);
    const Planning::Week &week() const { return m_week; }
    // The operator chosen in cmbOperatore, empty for all.
    QString chosenOperator() const;

    MonthCalendar *calSettimana;
    QComboBox *cmbOperatore;
    QToolButton *cmdPrecedente, *cmdOggi, *cmdSuccessiva, *cmdStampa, *cmdGuida, *cmdEsci;
    QLabel *lblSettimana, *panInfo;
    PlanningView *view;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildScreen();
    void showBlocks();
    void fillOperators();
    void blockHovered(int appointment);
    void blockChosen(int appointment);
    void cmdStampaClick();

    TfrmArchivio_Scadenze *m_card;
    HintTracker *m_hints = nullptr;
    Planning::Week m_week;
    bool m_scrolled = false;
};
