#pragma once

#include <QMainWindow>

class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmainform(QWidget *parent = nullptr);

    QString brugernavn;
};
