#pragma once

#include <QWidget>

class Tstrukturform : public QWidget {
    Q_OBJECT
public:
    explicit Tstrukturform(QWidget *parent = nullptr);
};
