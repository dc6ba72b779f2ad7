#pragma once

#include <QWidget>

class TWebBrowser;

// The help and reference viewer: shows the pages of the information structures.
class Tinfoform : public QWidget {
    Q_OBJECT
public:
    explicit Tinfoform(QWidget *parent = nullptr);

    // Shows the element's page of an information structure and comes to the front.
    void HelpInfo(const QString &struktur, const QString &element);
    void hentOpt();
    void gemOpt();

    QString optfil;
    QString strukturnavn;
    QString elementnavn; // the element asked for last
    int panelBredde = 200;
    bool autoUdfold = false;
    TWebBrowser *Web;
};
