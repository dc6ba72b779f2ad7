#pragma once

#include <QWidget>

class QProgressBar;
class QStatusBar;
class QToolBar;
class QTreeWidget;

// "Kontrolboksen": the tag tree of the page being checked, and the check buttons.
class Tkontrolform : public QWidget {
    Q_OBJECT
public:
    explicit Tkontrolform(QWidget *parent = nullptr);
    ~Tkontrolform() override;

    void hentOpt();
    void gemOpt();
    void saetStatus(const QString &tekst);
    QString status() const;

    QString optfil;
    QString kontrolFilename;
    QTreeWidget *Tree;
    QProgressBar *pBar;
    QStatusBar *kontrolinfo;

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;
};
