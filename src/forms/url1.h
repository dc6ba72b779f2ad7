#pragma once

#include <QWidget>

class Turlform1 : public QWidget {
    Q_OBJECT
public:
    explicit Turlform1(QWidget *parent = nullptr);
};
