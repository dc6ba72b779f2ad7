#pragma once

#include <QList>
#include <QString>
#include <functional>

class QToolBar;
class QWidget;
class Tinfotag;

// The tag menus of the editor window's tag bar: one table holds every item,
// the menus and the split buttons are built from it.

enum class TagArt {
    Par,    // start and end text, caret between them
    Enkelt, // start text only, caret after it
    Blok,   // start tag line, empty line (caret), end tag line
    BlokPar // a block with a pair written on its empty line
};

// One split button on the tag bar and its drop-down menu.
struct TagMenu {
    QString knap;  // object name of the button
    QString tekst; // caption of the button
    QString hint;
    QString menu; // object name of the menu
};

struct TagMenuPunkt {
    QString menu;      // object name of the drop-down menu holding the item
    QString undermenu; // object name of its submenu; empty at the menu's top level
    QString undermenuTekst;
    QString undermenuHint;
    QString navn; // object name of the item
    TagArt art = TagArt::Par;
    QString start;
    QString slut;
    QString indreStart; // block + pair only
    QString indreSlut;
    QString hint;
    QString fastTekst;          // caption, when it is not the text written
    bool separatorFoer = false; // separator before the item in its own (sub)menu

    // The caption: the text written on one line, unless fastTekst says otherwise.
    QString tekst() const;
};

const QList<TagMenu> &tagMenuer();
const QList<TagMenuPunkt> &tagMenuPunkter();
const TagMenuPunkt *findTagMenuPunkt(const QString &navn);

// Writes the item into the tag component's current editor; without one
// nothing changes.
void udfoerTagPunkt(Tinfotag &taginf, const TagMenuPunkt &punkt);

// Adds one split button per menu to the tag bar. The menus are children of
// ejer; choosing an item calls valgt with it. A button's face does nothing,
// its arrow opens the menu.
void byggTagMenuer(QToolBar *htmlBar, QWidget *ejer,
                   std::function<void(const TagMenuPunkt &)> valgt);

// The special characters of the snippets: menu item name, caption, hint, entity.
struct Specialtegn {
    QString navn, tekst, hint, entitet;
};
const QList<Specialtegn> &specialtegn();
