#include "fontsizebox.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace {

const QStringList standardStorrelser{
    QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
    QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
    QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
    QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};

} // namespace

QString TFontSizeComboBox::installeretFamilie(const QString &fontnavn) {
    if (fontnavn.isEmpty()) return {};
    if (QFontDatabase::hasFamily(fontnavn)) return fontnavn;
    // The platform may stand in a specific family for a missing one (a metric
    // twin); a name that only gets the general fallback is not available.
    const QString staarFor = QFontInfo(QFont(fontnavn)).family();
    const QString reserve = QFontInfo(QFont(QStringLiteral("Dagbog ingen skrift"))).family();
    if (staarFor.compare(reserve, Qt::CaseInsensitive) == 0) return {};
    return QFontDatabase::hasFamily(staarFor) ? staarFor : QString();
}

TFontSizeComboBox::TFontSizeComboBox(QWidget *parent)
    : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this] { Change(); });
    connect(lineEdit(), &QLineEdit::textEdited, this, &TFontSizeComboBox::tekstRettet);
}

void TFontSizeComboBox::SetFontName(const QString &navn) {
    FFontName = navn;
    Build();
}

QStringList TFontSizeComboBox::storrelser(const QString &fontnavn) {
    const QString familie = installeretFamilie(fontnavn);
    if (familie.isEmpty()) return {};
    if (QFontDatabase::isSmoothlyScalable(familie)) return standardStorrelser;
    QList<int> punkter = QFontDatabase::pointSizes(familie);
    std::sort(punkter.begin(), punkter.end());
    punkter.erase(std::unique(punkter.begin(), punkter.end()), punkter.end());
    QStringList tekster;
    for (int p : punkter)
        if (p > 0) tekster << QString::number(p);
    return tekster;
}

void TFontSizeComboBox::Build() {
    // Rebuilding is not a choice of the user: no change is reported.
    const QSignalBlocker blokering(this);
    const QString forrige = currentText();
    setUpdatesEnabled(false);
    clear();
    if (!FFontName.isEmpty()) {
        addItems(storrelser(FFontName));
        setCurrentIndex(findText(forrige, Qt::MatchExactly));
    }
    setUpdatesEnabled(true);
}

void TFontSizeComboBox::Change() {
    emit OnChange();
    if (currentIndex() >= 0) emit OnNyFontSize(currentText().toInt());
}

void TFontSizeComboBox::tekstRettet(const QString &tekst) {
    // A typed size counts only once it names an entry of the list.
    const int i = findText(tekst, Qt::MatchExactly);
    if (i < 0) return;
    {
        const QSignalBlocker blokering(this);
        setCurrentIndex(i);
    }
    Change();
}
