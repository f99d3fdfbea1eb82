#pragma once
// The help screen opened by every help button, and the manual link.
#include "core/text/HelpText.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class LinkLabel;
class ClickableImage;

class TfrmGuida : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);

    // Creates a help screen owned by parent, shows the text modally, destroys it.
    static void showHelp(QWidget *parent, const HelpText &help);
    static void showHelp(QWidget *parent, const QString &title, const QString &text);
    // Opens the manual Guida.pdf of the program folder.
    static void openManual();

    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
    QPushButton *btnChiudi;
    LinkLabel *lnkWeb;
    ClickableImage *imgPDF;
};
