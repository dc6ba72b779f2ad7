#pragma once

#include <QWidget>

class QPlainTextEdit;

// Hidden scratch window: a new page is assembled in its memo and saved from it.
class TmemoForm : public QWidget {
    Q_OBJECT
public:
    explicit TmemoForm(QWidget *parent = nullptr);

    // Writes the memo's lines to a file (throws Tekstfil::FilFejl) and clears it.
    void gemOgRyd(const QString &sti);

    QPlainTextEdit *Memo;
};
