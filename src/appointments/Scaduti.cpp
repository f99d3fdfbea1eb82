#include "appointments/Scaduti.h"

#include "core/Clock.h"
#include "core/Formats.h"

TfrmScaduti::TfrmScaduti(QWidget *parent)
    : AppointmentSummary(
          parent, QStringLiteral(" Riepilogo impegni scaduti e non assolti"),
          QStringLiteral("IMPEGNI SCADUTI E NON ASSOLTI"),
          QStringLiteral("Riepilogo impegni scaduti e non assolti"),
          [](const RecordLayout &layout, const char *record) {
              // A date that cannot be read skips its record only: stopping
              // there would hide every later appointment.
              const QDate date = Formats::parseDate(decodeField(layout, record, layout.indexOf("Data")));
              return date.isValid() && date < Clock::today() && appointmentPending(layout, record);
          }) {
    setObjectName(QStringLiteral("frmScaduti"));
}
