#pragma once

#include <QWidget>

class Tinfoform : public QWidget {
    Q_OBJECT
public:
    explicit Tinfoform(QWidget *parent = nullptr);
};
