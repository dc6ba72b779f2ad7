#pragma once

#include <QWidget>

class Teditform : public QWidget {
    Q_OBJECT
public:
    explicit Teditform(QWidget *parent = nullptr);
};
