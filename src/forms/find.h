#pragma once

#include <QWidget>

class TRichEdit;

// Hidden scratch window: its rich edit loads page files for the searches.
class Teditform : public QWidget {
    Q_OBJECT
public:
    explicit Teditform(QWidget *parent = nullptr);

    TRichEdit *RE;
};
