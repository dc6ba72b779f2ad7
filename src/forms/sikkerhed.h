#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class Tmainform;

// The backups of the diary: the archives with date and size, the structures
// in the chosen one, and the restore of a structure beside the current ones.
class Tsikkerhedform : public QWidget {
    Q_OBJECT
public:
    explicit Tsikkerhedform(Tmainform *hoved);

    void opdater(); // reads the backup folder again
    void arkivValgt();
    void GendanKnapClick();
    void AabnMappeKnapClick();

    QLabel *mappeLabel;
    QTreeWidget *arkivListe;
    QListWidget *strukturListe;
    QPushButton *GendanKnap;
    QPushButton *AabnMappeKnap;
    QPushButton *LukKnap;

private:
    QString valgtArkiv() const;
    Tmainform *hoved;
};
