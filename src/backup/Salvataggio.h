#pragma once
// " Copia di sicurezza degli archivi": the last copy made, a verified copy of
// every data file in one click, and a restore from a copy. The screen itself
// is in Salvataggio.cpp, the copy's job in SalvataggioCopy.cpp, the restore's
// in SalvataggioRestore.cpp.
// Drives backup/engine/BackupWriter and BackupRestore (a chosen copy checked by BackupArchive).
#include "backup/engine/BackupOutcome.h"

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class TfrmSalvataggio : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSalvataggio(QWidget *parent = nullptr);

    // What ends the program once a restore is done (the opener's choice).
    void setOnRestored(std::function<void()> onRestored) { m_onRestored = std::move(onRestored); }

    QLabel *imgIstruzioni;
    QGroupBox *grpUltima;
    QLabel *lblData, *lblCartella, *lblDimensione;
    QPushButton *cmdSalva, *cmdRipristina;
    QLabel *lblAvanzamento;
    QProgressBar *prgAvanzamento;
    QPushButton *cmdAnnulla;
    QGroupBox *grpCopia;
    QLabel *lblCopia;
    QListWidget *lstContenuto;
    QPushButton *cmdGuida, *cmdChiudi;

    void cmdSalvaClick();
    void cmdRipristinaClick();

    static QString doneText(int files, qint64 bytes);
    static QString failureText(const Backup::Outcome &outcome);
    static QString restoredText();
    static QString undoneText();  // a move failed, every file put back
    static QString pendingText(); // not even that: the next start will
    static QString notRecordedText();
    static QString idleText(); // lblAvanzamento while nothing runs

public slots:
    void reject() override; // not while a copy or a restore is running

private:
    void showLastCopy();
    // A backup into folder with the progress shown; records it as the last copy.
    bool backUp(const QString &folder, QString *zipPath);
    Backup::Progress startWork(const QString &what);
    void endWork();

    std::function<void()> m_onRestored;
    bool m_working = false;
    bool m_cancelled = false;
    int m_lastFiles = 0;
    bool m_recorded = true;
    qint64 m_lastSize = 0;
    QElapsedTimer m_sinceShown;
};
