#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class Tmainform;

// The pages whose files left the diary, newest deletion first, from the
// history; "Gendan" puts the chosen one back into its structure. A deleted
// month stands in the list for the days deleted with it.
class Tslettedeform : public QWidget {
    Q_OBJECT
public:
    explicit Tslettedeform(Tmainform *hoved);

    void opdater(); // reads the history again
    void gendanSlettetKnapClick();

    QLabel *forklaring;
    QTreeWidget *slettedeListe;
    QPushButton *gendanSlettetKnap;
    QPushButton *LukKnap;

private:
    Tmainform *hoved;
};
