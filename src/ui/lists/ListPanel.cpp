#include "ui/lists/ListPanel.h"

#include "ui/lists/QuickFind.h"
#include "ui/lists/RecordListView.h"
#include "ui/card/CardIcons.h"
#include "ui/input/SingleLine.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ListPanel::ListPanel(const QString &doubleClickHint, QWidget *parent) : QWidget(parent) {
    auto *magnifier = new QLabel(this);
    magnifier->setPixmap(
        CardIcons::pixmap(CardIcons::Symbol::Find, 24, CardIcons::defaultColor(CardIcons::Symbol::Find)));
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setPlaceholderText(QStringLiteral("Parole da cercare nell'elenco"));
    btnTrova = new QPushButton(QStringLiteral("Trova"), this);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setAutoDefault(false);
    lstRecords = new RecordListView(this);
    lblTrovate = new QLabel(this);
    lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    lblTrovate->hide();
    lblRigo03 = new QLabel(doubleClickHint, this);
    lblRigo03->setObjectName(QStringLiteral("lblRigo03"));
    btnStampa = new QPushButton(CardIcons::icon(CardIcons::Symbol::Print), QStringLiteral("Stampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setAutoDefault(false);
    btnChiudi = new QPushButton(CardIcons::icon(CardIcons::Symbol::Exit), QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(magnifier, 0, 0);
    grid->addWidget(txtTrova, 0, 1);
    grid->addWidget(btnTrova, 0, 2);
    grid->addWidget(lstRecords, 1, 0, 1, 3);
    grid->addWidget(lblTrovate, 2, 0, 1, 3);
    grid->addWidget(lblRigo03, 3, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnChiudi);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);

    finder = new QuickFinder(txtTrova, btnTrova, lstRecords);
    SingleLine::attach(txtTrova);
}
