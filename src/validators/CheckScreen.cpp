#include "validators/CheckScreen.h"

#include "ui/card/FocusHighlight.h"
#include "core/text/Formats.h"
#include "core/text/TextRules.h"
#include "ui/input/SingleLine.h"
#include "ui/windows/WindowPlacement.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 560;
}

CheckScreen::CheckScreen(const CheckLook &look, QWidget *parent) : QDialog(parent) {
    Formats::install();
    setWindowTitle(look.caption);
    setWindowFlags(WindowPlacement::dialogFlags);

    auto *band = new QLabel(this);
    band->setObjectName(QStringLiteral("imgTitolo"));
    band->setPixmap(CheckArt::band(look.emblem, look.bandTitle, look.bandLine, QSize(kWidth, 108)));

    lblTitolo = new QLabel(look.instruction, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setWordWrap(true);
    QFont tf = lblTitolo->font();
    tf.setPointSizeF(tf.pointSizeF() + 1);
    lblTitolo->setFont(tf);
    lblTitolo->setStyleSheet(QStringLiteral("color: #1c3f73;"));

    auto *caption = new QLabel(look.fieldLabel, this);
    QFont cf = caption->font();
    cf.setBold(true);
    caption->setFont(cf);

    m_field = new QLineEdit(this);
    m_field->setObjectName(look.fieldName);
    QFont ff(QStringLiteral("Courier New"));
    ff.setStyleHint(QFont::Monospace);
    ff.setPointSizeF(font().pointSizeF() + 4);
    ff.setBold(true);
    m_field->setFont(ff);
    m_field->setMinimumHeight(34);
    m_field->setStyleSheet(QStringLiteral("QLineEdit { padding: 2px 6px; }"));
    caption->setBuddy(m_field);

    auto *hint = new QLabel(look.fieldHint, this);
    QFont hf = hint->font();
    hf.setPointSizeF(hf.pointSizeF() - 1);
    hint->setFont(hf);
    hint->setStyleSheet(QStringLiteral("color: #5a6b80;"));

    btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *b : {btnControlla, btnChiudi}) {
        b->setMinimumSize(110, 30);
        // Enter on a focused button presses it, as the user expects after
        // Enter has moved the focus from the field to Controlla.
        b->setAutoDefault(true);
    }

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *fieldColumn = new QVBoxLayout;
    fieldColumn->setSpacing(3);
    fieldColumn->addWidget(m_field);
    fieldColumn->addWidget(hint);
    auto *fieldRow = new QHBoxLayout;
    fieldRow->setSpacing(12);
    fieldRow->addWidget(caption, 0, Qt::AlignTop | Qt::AlignLeft);
    fieldRow->addLayout(fieldColumn, 1);
    caption->setMinimumHeight(m_field->minimumHeight());

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnControlla);
    buttons->addWidget(btnChiudi);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(20, 14, 20, 16);
    body->setSpacing(12);
    body->addWidget(lblTitolo);
    body->addLayout(fieldRow);
    body->addWidget(rule);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_rules = new FieldRules(m_field, look.maxLength, look.rules, btnControlla);
    FocusHighlight::attach(m_field, QStringLiteral("eff") + look.fieldName.mid(3));
    setTabOrder(m_field, btnControlla);
    setTabOrder(btnControlla, btnChiudi);

    connect(btnControlla, &QPushButton::clicked, this, [this] { btnControllaClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    SingleLine::attachAll(this);
}

void CheckScreen::fill(const QString &value) { m_rules->fill(value); }

void CheckScreen::backToField() { m_field->setFocus(Qt::OtherFocusReason); }

void CheckScreen::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    m_field->setFocus(Qt::OtherFocusReason);
}

QString CheckScreen::trimmed(const QString &value) { return Text::trim(value); }
