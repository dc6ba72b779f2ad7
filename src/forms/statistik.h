#pragma once

#include <QWidget>

class QPushButton;
class QTabWidget;
class TWebBrowser;
class Tmainform;

// The diary's years in figures: the structure shown as a heat map with its
// counts, and every year side by side.
class Tstatistikform : public QWidget {
    Q_OBJECT
public:
    explicit Tstatistikform(Tmainform *hoved);

    // Counts the structure shown and every year again (unchanged pages come
    // from the count cache) and shows both pages.
    void opdater();

    QTabWidget *faner;
    TWebBrowser *aaretBrowser;
    TWebBrowser *alleAarBrowser;
    QPushButton *LukKnap;

private:
    Tmainform *hoved;
};
