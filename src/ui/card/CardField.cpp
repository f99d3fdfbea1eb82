#include "ui/card/CardField.h"

#include "ui/card/FocusHighlight.h"

void applyFieldRules(InputRules &rules, const QList<CardField> &rows, const QList<QWidget *> &controls) {
    QList<QWidget *> order, last;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const CardField &f = rows[i];
        QWidget *w = controls[i];
        if (InputRules::editOf(w)) {
            FocusHighlight::attach(w, QStringLiteral("eff") + QLatin1String(f.control).mid(3));
            (f.enter == EnterPlace::Last ? last : order).append(w);
        }
        rules.add(w, {f.input, f.flags, f.whenEmpty});
    }
    rules.setEnterOrder(order + last);
}
