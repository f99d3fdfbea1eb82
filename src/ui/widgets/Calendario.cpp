#include "ui/widgets/Calendario.h"

#include "core/text/Formats.h"
#include "ui/widgets/MonthCalendar.h"
#include "ui/windows/WindowPlacement.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(QWidget *parent) : QDialog(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    setWindowFlags(WindowPlacement::dialogFlags);

    lblImporta = new QLabel(QStringLiteral("Importare una data:"), this);
    lblImporta->setObjectName(QStringLiteral("lblImporta"));
    QFont bold = lblImporta->font();
    bold.setBold(true);
    lblImporta->setFont(bold);
    lblImporta->setStyleSheet(QStringLiteral("color: #1d3e63;"));

    calAppuntamenti = new MonthCalendar(this, "calAppuntamenti");

    btnImportaData = new QPushButton(QStringLiteral("Importa"), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnImportaData->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnImportaData);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblImporta);
    layout->addWidget(calAppuntamenti);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a small fixed dialog

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    // A double-click on a day, or Enter, imports it as "Importa" does.
    connect(calAppuntamenti, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

// The calendar opens on the date the field already holds, so changing a
// date starts from it; an empty field or one that is no date leaves today.
void TfrmCalendario::markForAppointmentDate(QLineEdit *txtData) {
    m_appointmentDate = txtData;
    const QDate shown = txtData ? Formats::parseDate(txtData->text().trimmed()) : QDate();
    if (shown.isValid())
        calAppuntamenti->setSelectedDate(shown);
}

void TfrmCalendario::btnImportaDataClick() {
    if (!m_appointmentDate)
        return;
    m_appointmentDate->setText(Formats::dateText(calAppuntamenti->selectedDate()));
    accept();
}
