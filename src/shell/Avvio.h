#pragma once
// The main menu: opens the five modules, the help, information, credits and backup.
#include <QWidget>

class QToolButton;
class ClickableImage;
class ModuleWindow;

class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

    // The five module buttons, in the order of the menu (1-5); a button whose
    // module is not installed stays disabled.
    void setModule(int slot, ModuleWindow *module);
    QToolButton *moduleButton(int slot) const;
    // The year's overview, opened by imgAndamento (disabled without it).
    void setOverview(ModuleWindow *overview);

    QToolButton *imgApp01, *imgApp02, *btnApp03, *imgApp04, *imgApp05;
    ClickableImage *imgInfo, *imgGuida, *imgSito, *imgCrediti, *imgEsci;
    ClickableImage *imgSalvataggio; // the backup screen
    ClickableImage *imgAndamento;   // the company's year at a glance

protected:
    void paintEvent(QPaintEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    ModuleWindow *m_modules[5] = {};
    ModuleWindow *m_overview = nullptr;
};
