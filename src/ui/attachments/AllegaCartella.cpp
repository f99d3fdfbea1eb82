#include "ui/attachments/AllegaCartella.h"

#include "ui/platform/FileDialogs.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/platform/OpenURL.h"
#include "core/platform/ProgramFolder.h"
#include "core/files/WholeFileWriter.h"
#include "core/text/TextRules.h"
#include "ui/card/CardIcons.h"
#include "ui/card/CardParts.h"
#include "ui/card/FocusHighlight.h"
#include "ui/windows/WindowPlacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

using Symbol = CardIcons::Symbol;

namespace {

const int kNameWidth = 250; // the width of a name in the attachment block
const char *const kFileLabels[3] = {"lblFile01", "lblFile02", "lblFile03"};
const char *const kDescLabels[3] = {"lblDesc01", "lblDesc02", "lblDesc03"};

const QString kOverwrite =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                   "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

bool forbiddenInName(QChar c) { return c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c); }

QLineEdit *lineEdit(QWidget *parent, const QString &name) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text) {
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *parent) : QDialog(parent) {
    Formats::install();
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    // No close box: the screen is left through its two buttons.
    setWindowFlags(WindowPlacement::dialogFlags);
    setStyleSheet(CardParts::styleSheet());

    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("imgLogo"));
    title->setPixmap(CardIcons::pixmap(Symbol::Attach, 48, CardIcons::defaultColor(Symbol::Attach)));
    auto *heading = new QLabel(QStringLiteral("Documenti allegati alla scheda"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 17px; font-weight: bold; color: #26608f;"));
    auto *explain =
        new QLabel(QStringLiteral("Ogni file scelto con \"Sfoglia...\" viene copiato nella cartella "
                                  "dei documenti allegati; premere \"Applica e chiudi\" e poi "
                                  "salvare la scheda per conservarlo."),
                   this);
    explain->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const QString ordinal[3] = {QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°")};
    QLineEdit **files[3] = {&txtFile01, &txtFile02, &txtFile03};
    QLineEdit **descs[3] = {&txtDesc01, &txtDesc02, &txtDesc03};
    QPushButton **browse[3] = {&btnSfoglia01, &btnSfoglia02, &btnSfoglia03};
    QPushButton **opens[3] = {&btnApri01, &btnApri02, &btnApri03};
    QToolButton **erasers[3] = {&imgCancella01, &imgCancella02, &imgCancella03};
    for (int i = 0; i < 3; ++i) {
        const QString n = QStringLiteral("0%1").arg(i + 1);
        auto *file = *files[i] = lineEdit(this, QStringLiteral("txtFile") + n);
        file->setReadOnly(true);
        file->setStyleSheet(QStringLiteral("color: grey;"));
        auto *desc = *descs[i] = lineEdit(this, QStringLiteral("txtDesc") + n);
        FocusHighlight::attach(desc, QStringLiteral("effDesc") + n);
        *browse[i] = button(this, QStringLiteral("btnSfoglia") + n, QStringLiteral("Sfoglia..."));
        *opens[i] = button(this, QStringLiteral("btnApri") + n, QStringLiteral("Apri"));
        auto *eraser = *erasers[i] = new QToolButton(this);
        eraser->setObjectName(QStringLiteral("imgCancella") + n);
        eraser->setIcon(CardIcons::icon(Symbol::Eraser));
        eraser->setIconSize(QSize(24, 24));
        eraser->setAutoRaise(true);
        eraser->setFocusPolicy(Qt::NoFocus);
        eraser->setToolTip(QStringLiteral("Elimina il riferimento al file allegato"));

        const int row = i * 5;
        grid->addWidget(new QLabel(QStringLiteral("Nome %1 file allegato:").arg(ordinal[i]), this), row, 0, 1,
                        4);
        grid->addWidget(file, row + 1, 0);
        grid->addWidget(*browse[i], row + 1, 1);
        grid->addWidget(*opens[i], row + 1, 2);
        grid->addWidget(eraser, row + 1, 3);
        grid->addWidget(new QLabel(QStringLiteral("Descrizione %1 file allegato:").arg(ordinal[i]), this),
                        row + 2, 0, 1, 4);
        grid->addWidget(desc, row + 3, 0, 1, 4);
        grid->setRowMinimumHeight(row + 4, 12);

        connect(*browse[i], &QPushButton::clicked, this, [this, i]() { btnSfogliaClick(i); });
        connect(*opens[i], &QPushButton::clicked, this, [this, i]() { btnApriClick(i); });
        connect(eraser, &QToolButton::clicked, this, [this, i]() { imgCancellaClick(i); });
        connect(file, &QLineEdit::textChanged, *opens[i],
                [b = *opens[i]](const QString &t) { b->setEnabled(!Text::trim(t).isEmpty()); });
        (*opens[i])->setEnabled(false);
    }
    grid->setColumnStretch(0, 1);

    btnApplica = button(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"));
    btnApplica->setIcon(CardIcons::icon(Symbol::Save));
    btnAnnulla = button(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"));
    btnAnnulla->setIcon(CardIcons::icon(Symbol::Exit));
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::close);

    auto *top = new QHBoxLayout;
    top->addWidget(title);
    auto *words = new QVBoxLayout;
    words->addWidget(heading);
    words->addWidget(explain);
    top->addLayout(words, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(640, 500);
}

void TfrmAllegaCartella::edit(QWidget *owner, const QString &callerText) {
    auto *screen = new TfrmAllegaCartella(owner);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->m_owner = owner;
    screen->lblMemory->setText(callerText);
    screen->setBlock(blockOf(owner));
    screen->exec();
}

AttachmentBlock TfrmAllegaCartella::blockOf(const QWidget *owner) {
    AttachmentBlock b;
    for (int i = 0; i < 3; ++i) {
        if (auto *l = owner->findChild<QLabel *>(QLatin1String(kFileLabels[i])))
            b.files[i] = Text::trim(l->text());
        if (auto *l = owner->findChild<QLabel *>(QLatin1String(kDescLabels[i])))
            b.descriptions[i] = Text::trim(l->text());
    }
    return b;
}

void TfrmAllegaCartella::setBlockOf(QWidget *owner, const AttachmentBlock &block) {
    for (int i = 0; i < 3; ++i) {
        if (auto *l = owner->findChild<QLabel *>(QLatin1String(kFileLabels[i])))
            l->setText(Text::trim(block.files[i]));
        if (auto *l = owner->findChild<QLabel *>(QLatin1String(kDescLabels[i])))
            l->setText(Text::trim(block.descriptions[i]));
    }
}

QString TfrmAllegaCartella::folder() { return ProgramFolder::file(QStringLiteral("Documenti_Allegati/")); }

QString TfrmAllegaCartella::pathOf(const QString &storedName) { return folder() + Text::trim(storedName); }

QString TfrmAllegaCartella::storableName(const QString &chosenFileName) {
    // Each character the record cannot hold becomes its closest Windows-1252
    // text, or "_" where that would be "?" or not allowed in a file name.
    QString name;
    const QList<uint> points = Text::trim(chosenFileName).toUcs4();
    for (uint cp : points) {
        const QString original = QString::fromUcs4(reinterpret_cast<const char32_t *>(&cp), 1);
        if (Text::cp1252Byte(char32_t(cp)) >= 0) {
            name += forbiddenInName(original.at(0)) ? QStringLiteral("_") : original;
            continue;
        }
        const QString closest = Text::fromCp1252(Text::toCp1252(original));
        bool usable = !closest.isEmpty() && closest != QStringLiteral("?");
        for (QChar c : closest)
            usable = usable && !forbiddenInName(c);
        name += usable ? closest : QStringLiteral("_");
    }
    name = Text::trim(name);
    if (name.size() > kNameWidth) {
        // Cut the name, keeping a short extension so the file still opens with its program.
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        const QString ext = (dot > 0 && name.size() - dot <= 16) ? name.mid(dot) : QString();
        name = Text::trim(name.left(kNameWidth - ext.size())) + ext;
    }
    return name;
}

QString TfrmAllegaCartella::copyFailedText() {
    return QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti "
                          "allegati.\r\n\r\nAccertarsi che il file sia leggibile e di possedere i privilegi "
                          "di scrittura nella cartella di installazione del programma. Il file non è stato "
                          "allegato.");
}

void TfrmAllegaCartella::setBlock(const AttachmentBlock &block) {
    for (int i = 0; i < 3; ++i) {
        fileEdit(i)->setText(Text::trim(block.files[i]));
        descEdit(i)->setText(Text::trim(block.descriptions[i]));
    }
}

AttachmentBlock TfrmAllegaCartella::block() const {
    AttachmentBlock b;
    for (int i = 0; i < 3; ++i) {
        b.files[i] = Text::trim(fileEdit(i)->text());
        b.descriptions[i] = Text::trim(descEdit(i)->text());
    }
    return b;
}

QLineEdit *TfrmAllegaCartella::fileEdit(int slot) const {
    return slot == 0 ? txtFile01 : slot == 1 ? txtFile02 : txtFile03;
}
QLineEdit *TfrmAllegaCartella::descEdit(int slot) const {
    return slot == 0 ? txtDesc01 : slot == 1 ? txtDesc02 : txtDesc03;
}
QPushButton *TfrmAllegaCartella::openButton(int slot) const {
    return slot == 0 ? btnApri01 : slot == 1 ? btnApri02 : btnApri03;
}

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    const QString chosen = FileDialogs::openFile(this, QStringLiteral("Selezionare il file da allegare:"),
                                                 QString(), QStringLiteral("Tutti i file (*.*)"));
    if (chosen.isEmpty())
        return;
    QLineEdit *name = fileEdit(slot);
    const QString previous = name->text();
    // The file is kept under the name the record will hold, so that name always opens it.
    const QString stored = storableName(QFileInfo(chosen).fileName());
    name->setText(stored);

    const QString destination = folder() + stored;
    const QFileInfo source(chosen), target(destination);
    if (target.exists() && source.canonicalFilePath() == target.canonicalFilePath())
        return; // already the attached copy
    // Declined: the slot now names the file already in the folder.
    if (!QDir().mkpath(folder()) || copyInto(chosen, stored) == Placing::Failed) {
        name->setText(previous);
        Messages::error(this, copyFailedText());
    }
}

namespace {

bool copyBytes(const QString &source, WholeFileWriter &to) {
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;
    QByteArray chunk;
    do {
        chunk = from.read(1 << 20);
        if (from.error() != QFileDevice::NoError || !to.write(chunk))
            return false;
    } while (!chunk.isEmpty());
    return true;
}

} // namespace

// The copy is written whole beside its place (core/files/WholeFileWriter,
// readable by every desk as any file the program writes) and takes its name
// by a rename that never replaces: a file of that name, whether there before
// or put there by another desk during the copy, is replaced only after the
// user's yes.
TfrmAllegaCartella::Placing TfrmAllegaCartella::copyInto(const QString &source, const QString &name) {
    const QString destination = folder() + name;
    bool replace = false;
    if (QFileInfo::exists(destination)) {
        if (!Messages::confirm(this, kOverwrite))
            return Placing::Declined;
        replace = true;
    }
    WholeFileWriter copy(destination);
    if (!copy.open() || !copyBytes(source, copy))
        return Placing::Failed; // the copy's temporary goes with it
    for (;;) {
        if (replace)
            return copy.commit() ? Placing::Copied : Placing::Failed;
        switch (copy.commitAsNew()) {
        case WholeFileWriter::Placing::Placed:
            return Placing::Copied;
        case WholeFileWriter::Placing::Failed:
            return Placing::Failed;
        case WholeFileWriter::Placing::TargetExists:
            break;
        }
        // Another desk has just put a file of this name there.
        if (!Messages::confirm(this, kOverwrite))
            return Placing::Declined;
        replace = true;
    }
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    const QString name = Text::trim(fileEdit(slot)->text());
    if (name.isEmpty())
        return;
    TMisc::Open(QLatin1Char('"') + pathOf(name) + QLatin1Char('"'));
}

void TfrmAllegaCartella::imgCancellaClick(int slot) { fileEdit(slot)->clear(); }

void TfrmAllegaCartella::btnApplicaClick() {
    const QString caller = Text::trim(lblMemory->text());
    const bool known = caller == QStringLiteral("clienti") || caller == QStringLiteral("dipendenti") ||
                       caller == QStringLiteral("contratti");
    if (!known || !m_owner)
        return;
    setBlockOf(m_owner, block());
    close();
}

void TfrmAllegaCartella::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    txtDesc01->setFocus();
}
