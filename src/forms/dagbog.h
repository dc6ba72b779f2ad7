#pragma once

#include <QWidget>

class Tdagbogform : public QWidget {
    Q_OBJECT
public:
    explicit Tdagbogform(QWidget *parent = nullptr);
};
