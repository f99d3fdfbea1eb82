#pragma once
// The agenda: the entry screen of the appointments, opened from the main
// menu. Read-only: every showing lists the imminent appointments, says with
// a picture and the alarm sound whether there are any, and offers the
// calendar with the day and month grids, the list print and export, the
// WhatsApp reminder and the appointment card.
// Drives appointments/agenda/AgendaRules (imminent rule, code, line) and BusyDays.
#include "ui/windows/ModuleWindow.h"

class ClickableImage;
class MonthCalendar;
class QLabel;
class QToolButton;
class RecordListView;
namespace BusyDays {
class Month;
}
class TfrmArchivio_Scadenze;

class TfrmAgenda : public ModuleWindow {
    Q_OBJECT
public:
    explicit TfrmAgenda(QWidget *parent = nullptr);
    // The appointment card that "Inserisci appuntamenti" shows.
    void setCard(TfrmArchivio_Scadenze *card) { m_card = card; }
    // Shows in bold the days of month/year that hold appointments (read now).
    void showBusyDays(int year, int month);

    static QString alarmFileName() { return QStringLiteral("Avviso.mp3"); }

    MonthCalendar *calAppuntamenti;
    QToolButton *btnGiorno, *btnMese, *btnPlanning, *btnArchivio;
    ClickableImage *appApriArchivio;
    QLabel *imgPresenti, *imgAppuntamentiSI, *imgAssenti, *imgAppuntamentiNO;
    RecordListView *lstRecords;
    QToolButton *btnWhatsApp, *btnStampa, *btnExcel;
    ClickableImage *imgGuida, *imgEsci;
    // The selected appointment: date, time text, client and mobile.
    QLabel *lblData, *lblOra, *lblContatto, *lblCel;

protected:
    void showEvent(QShowEvent *event) override;
    void moduleClosing() override;

private:
    void buildScreen();
    void FormShow();
    // Lists the imminent appointments; false when the archive could not be
    // read to its end (the lines read so far stay).
    bool buildList();
    void showImminent(bool any);
    void showBusyDays(const BusyDays::Month &collected);
    void showBusyDays(const BusyDays::Month &month, quint32 days);
    void lstRecordsClick();
    void btnGiornoClick();
    void btnMeseClick();
    void btnPlanningClick();
    void btnExcelClick();
    void btnStampaClick();
    void btnWhatsAppClick();
    void btnArchivioClick();
    void imgGuidaClick();

    TfrmArchivio_Scadenze *m_card = nullptr;
};
