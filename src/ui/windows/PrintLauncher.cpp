#include "ui/windows/PrintLauncher.h"

#include "ui/platform/Messages.h"
#include "ui/widgets/Artwork.h"
#include "ui/windows/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Words {
    QString caption, title, action, howTo;
};

Words wordsOf(PrintLauncher::Output output) {
    if (output == PrintLauncher::Output::Paper)
        return {QStringLiteral(" Stampa documento"), QStringLiteral("Stampa documento"),
                QStringLiteral("Stampa"),
                QStringLiteral("Premere Stampa per avviare la stampa, Annulla per annullare l'operazione.")};
    return {
        QStringLiteral(" Anteprima di stampa"), QStringLiteral("Anteprima di stampa"),
        QStringLiteral("Mostra anteprima"),
        QStringLiteral("Premere Mostra anteprima per visualizzarla, Annulla per annullare l'operazione.")};
}

} // namespace

PrintLauncher::PrintLauncher(QWidget *parent, Output output, Document document)
    : QDialog(parent), m_output(output), m_document(std::move(document)) {
    const Words words = wordsOf(output);
    setWindowTitle(words.caption);
    setWindowFlags(WindowPlacement::dialogFlags);
    const QSize picture(460, 150);
    const QString title = m_document.pictureTitle.isEmpty() ? words.title : m_document.pictureTitle;

    imgIstruzioni = new QLabel(this);
    imgIstruzioni->setObjectName(QStringLiteral("imgIstruzioni"));
    imgIstruzioni->setPixmap(
        Artwork::banner(Artwork::Glyph::Contract, title, {m_document.purpose, words.howTo}, picture));
    btnStampa = new QPushButton(words.action, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(imgIstruzioni);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnStampa, &QPushButton::clicked, this, &PrintLauncher::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintLauncher::btnStampaClick() {
    const ReportOutput::Outcome sent = m_output == Output::Paper
                                           ? ReportOutput::print(this, m_document.fill)
                                           : ReportOutput::preview(this, m_document.fill);
    if (!sent.done && !m_document.failureText.isEmpty())
        Messages::warning(this, m_document.failureText);
    accept();
}

// The meta-object code is built with this unit, so a program using this class
// does not pull in every other screen of the library.
#include "moc_PrintLauncher.cpp"
