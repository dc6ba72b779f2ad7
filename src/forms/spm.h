#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The one modal box for yes/no questions ("Ja" = 1, "Nej" = 2) and for
// notices of several lines ("OK" = 2).
class Tspmform : public QDialog {
    Q_OBJECT
public:
    explicit Tspmform(QWidget *parent = nullptr);

    void SetBoxValues(bool info);
    // Shows the box modally; 1 for "Ja", 2 for anything else.
    int visModal();
    // Question mode with these lines; true when the answer is "Ja".
    bool spoerg(const QStringList &linjer);
    // For the one caller that must tell a closed box (Esc, the window's close
    // button) from "Nej".
    enum class Svar { Ja, Nej, Lukket };
    Svar spoergEllerLuk(const QStringList &linjer);
    // Information mode with these lines, then back to question mode.
    void fortael(const QStringList &linjer);

    QPlainTextEdit *tekst;
    QPushButton *Button1;
    QPushButton *Button2;
    QLabel *Image1;
    QLabel *Image2;

protected:
    void showEvent(QShowEvent *e) override;
};
