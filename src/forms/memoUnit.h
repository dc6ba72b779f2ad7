#pragma once

#include <QWidget>

class TmemoForm : public QWidget {
    Q_OBJECT
public:
    explicit TmemoForm(QWidget *parent = nullptr);
};
