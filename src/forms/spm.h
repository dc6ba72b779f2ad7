#pragma once

#include <QWidget>

class Tspmform : public QWidget {
    Q_OBJECT
public:
    explicit Tspmform(QWidget *parent = nullptr);
};
