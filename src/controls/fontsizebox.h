#pragma once

#include <QComboBox>

// A combo box of the point sizes in which a font can be used: a scalable font
// offers the common sizes, a bitmap font exactly the sizes it has.
class TFontSizeComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
public:
    explicit TFontSizeComboBox(QWidget *parent = nullptr);

    QString FontName() const { return FFontName; }
    void SetFontName(const QString &navn);
    void Build();

    // The sizes offered for a font; empty for a font the platform cannot show.
    static QStringList storrelser(const QString &fontnavn);
    // The installed family drawn for a font name, or empty when there is none.
    static QString installeretFamilie(const QString &fontnavn);

signals:
    void OnChange();
    // After every change of the selection made by the user, with the new size.
    void OnNyFontSize(int NyFontsize);

protected:
    virtual void Change();

private:
    void tekstRettet(const QString &tekst);

    QString FFontName;
};
