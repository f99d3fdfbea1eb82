#pragma once
// " Allega file": the three attachment slots of a client card, an employee
// card or a contract. Each chosen file is copied into the shared folder
// "Documenti_Allegati" of the program folder; the owner keeps only the bare
// names and the descriptions (its attachment block, six hidden labels) and
// writes them to its record at its next save.
#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The attachment block: three bare file names, then their three descriptions.
struct AttachmentBlock {
    std::array<QString, 3> files;
    std::array<QString, 3> descriptions;
    bool operator==(const AttachmentBlock &) const = default;
};

class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);

    // How an owner opens the screen: its caller text ("clienti", "dipendenti",
    // "contratti") and the six hidden labels of its attachment block, found by
    // their names lblFile01-lblFile03, lblDesc01-lblDesc03 among the owner's
    // children. "Applica e chiudi" writes the six values back into them.
    static void edit(QWidget *owner, const QString &callerText);

    // The owner's six hidden labels read as a block / written from one.
    static AttachmentBlock blockOf(const QWidget *owner);
    static void setBlockOf(QWidget *owner, const AttachmentBlock &block);

    // The folder, with a trailing "/", and the full path of a stored name.
    static QString folder();
    static QString pathOf(const QString &storedName);
    // The name a chosen file is kept under: the name the record can hold
    // (Windows-1252, at most 250 characters), so it always opens the copy.
    static QString storableName(const QString &chosenFileName);
    // What Sfoglia says when the chosen file cannot be copied into the folder.
    static QString copyFailedText();
    // Told when an attached file cannot be opened (missing, unreadable, no program for it).
    static QString openFailedText(const QString &storedName);

    void setBlock(const AttachmentBlock &block); // the slots, trimmed
    AttachmentBlock block() const;               // the slots, trimmed

    QLineEdit *txtFile01, *txtFile02, *txtFile03;
    QLineEdit *txtDesc01, *txtDesc02, *txtDesc03;
    QPushButton *btnSfoglia01, *btnSfoglia02, *btnSfoglia03;
    QPushButton *btnApri01, *btnApri02, *btnApri03;
    QToolButton *imgCancella01, *imgCancella02, *imgCancella03;
    QPushButton *btnApplica, *btnAnnulla;
    QLabel *lblMemory; // hidden: the caller text

    void btnSfogliaClick(int slot); // slot 0, 1 or 2
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    QLineEdit *fileEdit(int slot) const;
    QLineEdit *descEdit(int slot) const;
    QPushButton *openButton(int slot) const;
    enum class Placing { Copied, Declined, Failed };
    // Copies source into the folder under name; a file of that name is
    // replaced only when the user says so, and only once the copy is whole.
    Placing copyInto(const QString &source, const QString &name);

    QWidget *m_owner = nullptr;
};
