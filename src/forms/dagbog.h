#pragma once

#include <QWidget>

class QCheckBox;

// The diary reader: the loaded diary two pages at a time.
class Tdagbogform : public QWidget {
    Q_OBJECT
public:
    explicit Tdagbogform(QWidget *parent = nullptr);

    void hentOpt();
    void gemOpt();
    // The page counts follow the number of elements in the main window's tree.
    void saetAntal(int n);

    int sideIndex1 = 0;
    int sideIndex2 = 1;
    int antalSider = 0;
    int restAntal = 0;
    int maxIndex = -2;
    QString optFilnavn;
    bool menuSynlig = true;
    QCheckBox *DagbogCheck;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
};
