#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;
class QStatusBar;

// The URL box: the information window's visit history as two lists side by
// side, structure and page; a double-click goes back to an entry.
class Turlform1 : public QWidget {
    Q_OBJECT
public:
    explicit Turlform1(QWidget *parent = nullptr);
    ~Turlform1() override;

    void hentOpt();
    void gemOpt();
    void AsletAlleExecute();
    // Row i of either list: show that history entry.
    void listeDblClick(int i);

    QString optFilnavn;
    QLabel *overskriftLabel;
    QSplitter *deler;
    QListWidget *strukturliste;
    QListWidget *urlListe;
    QPushButton *sletKnap;
    QPushButton *lukKnap;
    QStatusBar *infoBar;
    QAction *AsletAlle;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;
};
