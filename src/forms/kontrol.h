#pragma once

#include <QWidget>

class Tkontrolform : public QWidget {
    Q_OBJECT
public:
    explicit Tkontrolform(QWidget *parent = nullptr);
};
