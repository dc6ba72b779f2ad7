#include "editor/tagmenuer.h"

#include "tags/taginfo.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

QString TagMenuPunkt::tekst() const {
    if (!fastTekst.isEmpty()) return fastTekst;
    return start + indreStart + indreSlut + slut;
}

namespace {

// Collects the rows in menu order; the current menu, submenu and a pending
// separator carry over from one call to the next, so the table below reads
// like the menus themselves.
class TabelBygger {
public:
    QList<TagMenu> menuer;
    QList<TagMenuPunkt> punkter;

    void menu(const QString &knap, const QString &tekst, const QString &hint, const QString &navn) {
        menuer.append({knap, tekst, hint, navn});
        m_menu = navn;
        slutUndermenu();
    }
    void undermenu(const QString &navn, const QString &tekst, const QString &hint) {
        m_under = navn;
        m_underTekst = tekst;
        m_underHint = hint;
    }
    void slutUndermenu() {
        m_under.clear();
        m_underTekst.clear();
        m_underHint.clear();
    }
    void separator() { m_separator = true; }

    void par(const QString &navn, const QString &start, const QString &slut, const QString &hint) {
        tilfoej(navn, TagArt::Par, start, slut, hint);
    }
    void enkelt(const QString &navn, const QString &start, const QString &hint) {
        tilfoej(navn, TagArt::Enkelt, start, QString(), hint);
    }
    void blok(const QString &navn, const QString &start, const QString &slut, const QString &hint) {
        tilfoej(navn, TagArt::Blok, start, slut, hint);
    }
    void blokPar(const QString &navn, const QString &start, const QString &slut,
                 const QString &indreStart, const QString &indreSlut, const QString &hint) {
        tilfoej(navn, TagArt::BlokPar, start, slut, hint);
        punkter.last().indreStart = indreStart;
        punkter.last().indreSlut = indreSlut;
    }
    // A caption that differs from the text the last item writes.
    void medTekst(const QString &tekst) { punkter.last().fastTekst = tekst; }

private:
    void tilfoej(const QString &navn, TagArt art, const QString &start, const QString &slut,
                 const QString &hint) {
        TagMenuPunkt p;
        p.menu = m_menu;
        p.undermenu = m_under;
        p.undermenuTekst = m_underTekst;
        p.undermenuHint = m_underHint;
        p.navn = navn;
        p.art = art;
        p.start = start;
        p.slut = slut;
        p.hint = hint;
        p.separatorFoer = m_separator;
        m_separator = false;
        punkter.append(p);
    }

    QString m_menu;
    QString m_under;
    QString m_underTekst;
    QString m_underHint;
    bool m_separator = false;
};

void bygTabel(TabelBygger &t) {

    t.menu(u"Button14"_s, u"Struktur"_s, u"Strukturkoder"_s, u"PUstrukturkoder"_s);
    t.blok(
        u"articlearticle1"_s, u"<article>"_s, u"</article>"_s,
        u"article-koden kan være beregnet til tekstindhold af forskellig art som for eksempel kommentarer, beskrivelser eller nyheds-historier"_s);
    t.par(
        u"asideaside1"_s, u"<aside>"_s, u"</aside>"_s,
        u" aside-koden kan have et indhold, der ikke er helt centralt for det indhold koden er placeret i"_s);
    t.par(u"detailsdetails1"_s, u"<details>"_s, u"</details>"_s, u""_s);
    t.blokPar(u"detailssummarysummarydetails1"_s, u"<details>"_s, u"</details>"_s, u"<summary>"_s,
              u"</summary>"_s,
              u"details-koden er beregnet til ekstra detaljer, som brugeren kan se eller skjule"_s);
    t.blok(u"figurefigure1"_s, u"<figure>"_s, u"</figure>"_s,
           u"figure-koden er kontainer for billeder"_s);
    t.blokPar(u"figurefigcaptionfigcaptionfigure1"_s, u"<figure>"_s, u"</figure>"_s,
              u"<figcaption>"_s, u"</figcaption>"_s,
              u"figcaption-koden definerer en overskrift for figure-koden"_s);
    t.medTekst(u"<figure><figcaption></figcaption><figure>"_s);
    t.par(u"footerfooter1"_s, u"<footer>"_s, u"</footer>"_s,
          u"footer-koden definerer en sidefod for et dokument eller afsnit"_s);
    t.par(u"headerheader1"_s, u"<header>"_s, u"</header>"_s,
          u"header-koden definerer en overskrift for et dokument eller afsnit"_s);
    t.blok(u"mainmain1"_s, u"<main>"_s, u"</main>"_s,
           u"main-koden definerer at der er tale om hovedindhold i dokumentet"_s);
    t.blok(
        u"sectionsection1"_s, u"<section>"_s, u"</section>"_s,
        u"sektion-koden definerer afsnit i et dokument, såsom kapitler, sidehoveder, sidefødder eller andre afsnit i dokumentet"_s);
    t.par(u"summarysummary1"_s, u"<summary>"_s, u"</summary>"_s,
          u"summary-koden viser en overskrift for en details-kode"_s);

    t.menu(u"Button17"_s, u"Tekst"_s, u"Tekstkoder"_s, u"PUtekstkoder"_s);
    t.undermenu(u"Overskrifter1"_s, u"Overskrifter"_s, u"h1...h6"_s);
    t.par(u"h1h11"_s, u"<h1>"_s, u"</h1>"_s, u""_s);
    t.par(u"h1h12"_s, u"<h2>"_s, u"</h2>"_s, u""_s);
    t.par(u"h1h13"_s, u"<h3>"_s, u"</h3>"_s, u""_s);
    t.par(u"h1h14"_s, u"<h4>"_s, u"</h4>"_s, u""_s);
    t.par(u"h1h15"_s, u"<h5>"_s, u"</h5>"_s, u""_s);
    t.par(u"h1h16"_s, u"<h6>"_s, u"</h6>"_s, u""_s);
    t.slutUndermenu();
    t.undermenu(u"Formatering1"_s, u"Formatering"_s, u""_s);
    t.par(u"bb1"_s, u"<b>"_s, u"</b>"_s, u"Tekst i b-koden fremstilles som fed skrift"_s);
    t.medTekst(u" <b></b>"_s);
    t.par(u"bdibdi1"_s, u"<bdi>"_s, u"</bdi>"_s, u"Forkortelse for: Bi-Directional Isolation"_s);
    t.par(u"deldel1"_s, u"<del>"_s, u"</del>"_s, u"del-koden viser en annulleret tekst"_s);
    t.par(u"emem1"_s, u"<em>"_s, u"</em>"_s,
          u"em-koden er en tekstformaterings kode, der fremhæver teksten"_s);
    t.par(u"ii1"_s, u"<i>"_s, u"</i>"_s, u"i-koden fremstiller almindeligvist tekst kursivt"_s);
    t.par(u"insins1"_s, u"<ins>"_s, u"</ins>"_s,
          u"ins-koden definerer en tekst, der er blevet indsat i dokumentet"_s);
    t.par(u"markmark1"_s, u"<mark>"_s, u"</mark>"_s,
          u"mark-koden benyttes til at markere en deltekst i en tekst"_s);
    t.par(u"ss1"_s, u"<s>"_s, u"</s>"_s,
          u"s-koden specificerer tekst der ikke længere er korrekt, præcis eller relevant"_s);
    t.par(u"smallsmall1"_s, u"<small>"_s, u"</small>"_s,
          u"small-koden er beregnet til mindre tekst størrelse"_s);
    t.par(u"strongstrong1"_s, u"<strong>"_s, u"</strong>"_s,
          u"strong-koden er en tekstformaterings kode til vigtig tekst"_s);
    t.par(u"subsub1"_s, u"<sub>"_s, u"</sub>"_s, u"sub-koden definerer subscript tekst"_s);
    t.par(u"supsup1"_s, u"<sup>"_s, u"</sup>"_s, u"sup-koden anvendes til superscript tekst"_s);
    t.par(u"uu1"_s, u"<u>"_s, u"</u>"_s, u"u-koden kan anvedes for eksempel ved stavefejl"_s);
    t.slutUndermenu();
    t.undermenu(u"Indhold1"_s, u"Indhold"_s, u""_s);
    t.par(u"abbrabbr1"_s, u"<abbr>"_s, u"</abbr>"_s, u"abbr-koden angiver en forkortelse"_s);
    t.par(u"addressaddress1"_s, u"<address>"_s, u"</address>"_s,
          u"address-koden definerer kontakt information"_s);
    t.par(u"bdodirbdo1"_s, u"<bdo dir=\"\">"_s, u"</bdo>"_s,
          u"bdo-koden specificerer tekstretningen ved attributten dir"_s);
    t.par(u"blockquoteblockquote1"_s, u"<blockquote>"_s, u"</blockquote>"_s,
          u"blockquote-koden angiver et citat fra en anden kilde"_s);
    t.par(u"citecite1"_s, u"<cite>"_s, u"</cite>"_s, u"cite-kode viser titlen på et produkt"_s);
    t.par(u"codecode1"_s, u"<code>"_s, u"</code>"_s, u"I code-koden kan indføres computer kode"_s);
    t.par(u"dfndfn1"_s, u"<dfn>"_s, u"</dfn>"_s, u"dfn-koden er beregnet til definitioner"_s);
    t.par(u"kbdkbd1"_s, u"<kbd>"_s, u"</kbd>"_s,
          u"kbd-koden er en tekstformaterings kode tænkt som egnet til tastatur"_s);
    t.par(u"prepre1"_s, u"<pre>"_s, u"</pre>"_s,
          u"pre-koden viser præformateret tekst, altså teksten som den er"_s);
    t.par(u"qq1"_s, u"<q>"_s, u"</q>"_s, u"q-koden definerer et kort citat"_s);
    t.par(
        u"sampsamp1"_s, u"<samp>"_s, u"</samp>"_s,
        u"samp-koden er en tekstformaterings kode tænkt som egnet til output fra et computerprogram"_s);
    t.par(u"timetime1"_s, u"<time>"_s, u"</time>"_s,
          u"time-koden er beregnet til datoer og tidspunkter"_s);
    t.par(u"varvar1"_s, u"<var>"_s, u"</var>"_s,
          u"var-koden er en tekstformaterings kode tænkt som egnet til variabler"_s);
    t.slutUndermenu();
    t.separator();
    t.enkelt(u"br1"_s, u"<br>"_s, u"br-koden indsætter en ny linie"_s);
    t.par(
        u"divdiv1"_s, u"<div>"_s, u"</div>"_s,
        u"div-koden definerer et tekst-afsnit eller fungerer som kontainer for andre elementer"_s);
    t.par(u"pp1"_s, u"<p>"_s, u"</p>"_s, u"p-koden definerer en tekst-sektion"_s);
    t.par(u"spanspan1"_s, u"<span>"_s, u"</span>"_s, u"span-koden definerer en inline-tekst"_s);
    t.enkelt(u"wbr1"_s, u"<wbr>"_s,
             u"wbr-koden specificerer hvor det kan være relevant med ny linie"_s);

    t.menu(u"Button16"_s, u"Link"_s, u"Linkkoder"_s, u"linkPU"_s);
    t.undermenu(u"mLink"_s, u"Link til eksterne dokumenter"_s, u""_s);
    t.par(u"mLink05"_s, u"<link rel=\"stylesheet\" type=\"text/css\" href=\""_s, u"\">"_s,
          u"Link til stylesheet"_s);
    t.par(u"mLink06"_s, u"<script type=\"text/javascript\" src=\""_s, u"\"></script>"_s,
          u"Link til eksternt javascript"_s);
    t.slutUndermenu();
    t.undermenu(u"mTarget"_s, u"Med target"_s, u""_s);
    t.par(u"mLink07"_s, u"<a href=\""_s, u"\" target=\"_blank\"></a>"_s, u""_s);
    t.par(u"mLink08"_s, u"<a href=\""_s, u"\" target=\"_parent\"></a>"_s, u""_s);
    t.par(u"mLink09"_s, u"<a href=\""_s, u"\" target=\"_self\"></a>"_s, u""_s);
    t.par(u"mLink10"_s, u"<a href=\""_s, u"\" target=\"_top\"></a>"_s, u""_s);
    t.par(u"mLink11"_s, u"<a href=\""_s, u"\" target=\"Framename\"></a>"_s, u""_s);
    t.medTekst(u"<a href=\"\" target=\"Framenamne\"></a>"_s);
    t.slutUndermenu();
    t.separator();
    t.par(u"mLink01"_s, u"<nav>"_s, u"</nav>"_s,
          u"nav-koden er beregnet til at omgive en større række links. "_s);
    t.medTekst(u"<nav></nav> "_s);
    t.par(u"mLink02"_s, u"<a href=\""_s, u"\"></a>"_s, u""_s);
    t.par(u"mLink03"_s, u"<a href=\""_s, u"\" target=\"\"></a>"_s, u""_s);
    t.separator();
    t.par(u"mLink04"_s, u"<a download=\""_s, u"\"></a>"_s, u""_s);

    t.menu(u"Button9"_s, u"Skema"_s, u"Skemakoder"_s, u"PUskemakoder"_s);
    t.undermenu(u"Colgroup1"_s, u"Colgroup"_s, u""_s);
    t.par(u"colgroupspanstylecolgroup1"_s, u"<colgroup span=\""_s, u"\" style=\"\"></colgroup>"_s,
          u"span: Angiver antallet af kolonner elementet skal spænde over"_s);
    t.par(u"colspanstyle1"_s, u"<colgroup><col span=\""_s, u"\" style=\"\"></colgroup>"_s,
          u"span: Angiver antallet af kolonner elementet skal spænde over"_s);
    t.par(u"colspanstyle2"_s, u"<col span=\""_s, u"\" style=\"\">"_s,
          u"span: Angiver antallet af kolonner elementet skal spænde over"_s);
    t.slutUndermenu();
    t.separator();
    t.par(u"captioncaption1"_s, u"<caption>"_s, u"</caption>"_s,
          u"caption-koden anvendes til at definere en overskrift til et skema"_s);
    t.enkelt(
        u"colcol1"_s, u"<col>"_s,
        u"col-koden specificerer antallet af kolonner i en kolonnegruppe ved attributten span"_s);
    t.par(u"colgroupcolgroup1"_s, u"<colgroup>"_s, u"</colgroup>"_s,
          u"colgroup-koden specificerer en gruppe bestående af en eller flere kolonner"_s);
    t.par(u"tabletable1"_s, u"<table>"_s, u"</table>"_s,
          u"table-koden anvendes til at konstruere et skema"_s);
    t.par(
        u"tbodytbody1"_s, u"<tbody>"_s, u"</tbody>"_s,
        u"tbody-koden er sammen med thead-kode og tfoot-kode koder til at strukturere tabellen i definerede afsnit"_s);
    t.par(u"tdtd1"_s, u"<td>"_s, u"</td>"_s, u"td-koden definerer en standard celle i en tabel"_s);
    t.par(
        u"tfoottfoot1"_s, u"<tfoot>"_s, u"</tfoot>"_s,
        u"tfoot-koden er sammen med thead-kode og tbody-kode koder til at strukturere tabellen i definerede afsnit"_s);
    t.par(u"thth1"_s, u"<th>"_s, u"</th>"_s, u"th-koden definerer overskrift-celler i en tabel"_s);
    t.par(
        u"theadthead1"_s, u"<thead>"_s, u"</thead>"_s,
        u" thead-koden er sammen med tfoot-kode og tbody-kode koder til at strukturere tabellen i definerede afsnit"_s);
    t.par(u"trtr1"_s, u"<tr>"_s, u"</tr>"_s,
          u"tr-koden definerer en tabel-række og omslutter celle-koderne"_s);

    t.menu(u"Button10"_s, u"Liste"_s, u"Listekoder"_s, u"PUlistekoder"_s);
    t.undermenu(u"Ordnetliste1"_s, u"Ordnet liste"_s, u"Fremstilles ved ol-koden"_s);
    t.par(u"oltypeol1"_s, u"<ol type=\""_s, u"\"></ol>"_s,
          u"type: Specificerer hvilken tegn-type der skal anvendes"_s);
    t.par(u"oltypestartol1"_s, u"<ol type=\""_s, u"\" start=\"\"></ol>"_s,
          u"start: Definerer listens startnummer"_s);
    t.slutUndermenu();
    t.separator();
    t.par(
        u"dddd1"_s, u"<dd>"_s, u"</dd>"_s,
        u"dd-koden anvendes til at definere eller beskrive et begreb eller navn i en definitionsliste"_s);
    t.par(u"dldl1"_s, u"<dl>"_s, u"</dl>"_s,
          u"dl-koden anvendes tilat fremstille en definitions/beskrivelses liste"_s);
    t.par(
        u"dtdt1"_s, u"<dt>"_s, u"</dt>"_s,
        u"dt-koden anvendes til at definere et begreb/navn, der skal defineres eller beskrives i en definitionsliste"_s);
    t.par(u"lili1"_s, u"<li>"_s, u"</li>"_s, u"li-koden definerer et liste-element"_s);
    t.par(u"olol1"_s, u"<ol>"_s, u"</ol>"_s,
          u"ol-koden anvendes til at fremstille en ordnet liste"_s);
    t.par(u"ulul1"_s, u"<ul>"_s, u"</ul>"_s,
          u"ul-koden definerer en uordnet liste eller prik-liste"_s);

    t.menu(u"Button18"_s, u"Multimedie"_s, u"Multimediekoder"_s, u"PUmultimedieKoder"_s);
    t.undermenu(u"Audio1"_s, u"Audio"_s, u""_s);
    t.par(u"audiosrccontrolsaudio1"_s, u"<audio src=\""_s, u"\" controls></audio>"_s,
          u"audio-koden anvendes til afspilning af lydfiler"_s);
    t.separator();
    t.blok(u"audiocontrolsaudio1"_s, u"<audio controls>"_s, u"</audio>"_s,
           u"controls: Afspilleren vises på siden"_s);
    t.par(u"sourcesrc1"_s, u"<source src=\""_s, u"\">"_s, u"src: Angiver media-filens url"_s);
    t.par(u"sourcesrctype1"_s, u"<source src=\""_s, u"\" type=\"\">"_s,
          u"type: Specificerer media ressourcens MIME type"_s);
    t.slutUndermenu();
    t.undermenu(u"Canvas1"_s, u"Canvas"_s, u""_s);
    t.par(u"canvasidcanvas1"_s, u"<canvas id=\""_s, u"\"></canvas>"_s,
          u"id: Scriptet kan få kontakt til elementet via id"_s);
    t.par(u"canvasidheightwidthcanvas1"_s, u"<canvas id=\""_s,
          u"\" height=\"\" width=\"\"></canvas>"_s, u""_s);
    t.blok(u"scriptscript1"_s, u"<script>"_s, u"</script>"_s,
           u"Scriptet kan få kontakt til canvas-elementet via dets id"_s);
    t.slutUndermenu();
    t.undermenu(u"Embed2"_s, u"Embed"_s, u""_s);
    t.par(u"embedsrc1"_s, u"<embed src=\""_s, u"\">"_s,
          u"src: Specificerer adressen på den eksterne fil, der indlejres"_s);
    t.slutUndermenu();
    t.undermenu(u"Billede1"_s, u"Img"_s, u""_s);
    t.par(u"imgsrcalt1"_s, u"<img src=\""_s, u"\" alt=\"\" title=\"\">"_s,
          u"Billedkode med attributter"_s);
    t.separator();
    t.par(u"imgsrcaltusemap1"_s, u"<img src=\""_s, u"\" alt=\"\" usemap=\"#\">"_s,
          u"Billedkode forberedt til at anvende klikområder"_s);
    t.par(u"mapnamemap1"_s, u"<map name=\""_s, u"\"></map>"_s,
          u"map-koden benyttes til at definere et klientside billedets klik-områder"_s);
    t.par(u"areashapecoordshrefalt1"_s, u"<area shape=\""_s,
          u"\" coords=\"\" href=\"\" alt=\"\">"_s,
          u"area-koden definerer et område inden i et image-map"_s);
    t.slutUndermenu();
    t.undermenu(u"Object1"_s, u"Object"_s, u""_s);
    t.par(u"objectdataobject1"_s, u"<object data=\""_s, u"\"></object>"_s,
          u"data: Angiver urlen på anvendte ressource"_s);
    t.par(u"paramnamevalue1"_s, u"<param name=\""_s, u"\" value=\"\">"_s,
          u"param-koden anvendes til at definere parametre for det indlejrede objekt-element"_s);
    t.slutUndermenu();
    t.undermenu(u"Video1"_s, u"Video"_s, u""_s);
    t.par(u"videosrccontrolsvideo1"_s, u"<video src=\""_s, u"\" controls></video>"_s,
          u"src: Angiver video-filens url"_s);
    t.separator();
    t.blok(u"videocontrolsvideo1"_s, u"<video controls>"_s, u"</video>"_s,
           u"controls: afspilleren vises på siden"_s);
    t.par(u"sourcesrc2"_s, u"<source src=\""_s, u"\">"_s, u"src: Angiver media-filens url"_s);
    t.par(u"sourcesrctype2"_s, u"<source src=\""_s, u"\" type=\"\">"_s,
          u"type: Specificerer media ressourcens MIME type"_s);
    t.slutUndermenu();
    t.separator();
    t.enkelt(u"area1"_s, u"<area>"_s, u"area-koden definerer et område inden i et image-map"_s);
    t.par(u"audioaudio1"_s, u"<audio>"_s, u"</audio>"_s,
          u"audio-koden anvendes til afspilning af lydfiler"_s);
    t.par(u"canvascanvas1"_s, u"<canvas>"_s, u"</canvas>"_s,
          u"canvas-koden anvendes som baggrund til grafik, som papir der tegnes på"_s);
    t.enkelt(u"embed1"_s, u"<embed>"_s,
             u"embed-koden er kontainer for eksterne programmer eller interaktivt indhold"_s);
    t.enkelt(u"img1"_s, u"<img>"_s, u"img-koden definerer et billede på siden"_s);
    t.par(u"mapmap1"_s, u"<map>"_s, u"</map>"_s,
          u"map-koden benyttes til at definere et klientside billedets klik-områder"_s);
    t.par(
        u"objectobject1"_s, u"<object>"_s, u"</object>"_s,
        u" object-koden definerer et objekt eller anden hjemmeside, der skal indlejres i dokumentet"_s);
    t.enkelt(u"param1"_s, u"<param>"_s,
             u"param-koden anvendes til at definere parametre for det indlejrede objekt-element"_s);
    t.enkelt(
        u"source1"_s, u"<source>"_s,
        u"source-koden anvendes til at specificere media-ressourcer for media-elementer som audio-koder og video-koder"_s);
    t.enkelt(u"track1"_s, u"<track>"_s,
             u"track-koden specificerer tekst-spor til media-elementer som audio og video"_s);
    t.par(u"videovideo1"_s, u"<video>"_s, u"</video>"_s,
          u"video-koden anvendes til video afspilning"_s);

    // Form tags
    t.menu(u"Button19"_s, u"Formular"_s, u"Formularkoder"_s, u"PUformkoder"_s);
    t.undermenu(u"Form1"_s, u"Form"_s, u""_s);
    t.par(u"formactionform1"_s, u"<form action=\""_s, u"\"></form>"_s, u""_s);
    t.par(u"formactionmethodform1"_s, u"<form action=\""_s, u"\" method=\"get\"></form>"_s, u""_s);
    t.par(u"formactionmethodform2"_s, u"<form action=\""_s, u"\" method=\"post\"></form>"_s, u""_s);
    t.undermenu(u"Input1"_s, u"Input"_s, u"Input typer"_s);
    for (const char *type :
         {"button",   "checkbox", "color",  "date",  "datetime", "datetime-local",
          "email",    "file",     "hidden", "image", "month",    "number",
          "password", "radio",    "range",  "reset", "search",   "submit",
          "tel",      "text",     "time",   "url",   "week"}) {
        const QString s = QString::fromLatin1(type);
        t.enkelt(u"inputtype"_s + QString(s).remove(u'-') + u'1',
                 u"<input type=\""_s + s + u"\">"_s, u""_s);
    }
    t.undermenu(u"Select1"_s, u"Select"_s, u""_s);
    t.par(u"optgrouplabeloptgroup1"_s, u"<optgroup label=\""_s, u"\"></optgroup>"_s, u""_s);
    t.par(u"optionvalueoption1"_s, u"<option value=\""_s, u"\"></option>"_s, u""_s);
    t.undermenu(u"Textarea1"_s, u"Textarea"_s, u""_s);
    t.par(u"textarearowscolstextarea1"_s, u"<textarea rows=\""_s, u"\" cols=\"\"></textarea>"_s,
          u""_s);
    t.slutUndermenu();
    t.separator();
    t.par(u"buttonbutton1"_s, u"<button>"_s, u"</button>"_s, u""_s);
    t.blok(u"datalistdatalist1"_s, u"<datalist>"_s, u"</datalist>"_s, u""_s);
    t.blok(u"fieldsetfieldset1"_s, u"<fieldset>"_s, u"</fieldset>"_s, u""_s);
    t.blok(u"formform1"_s, u"<form>"_s, u"</form>"_s, u""_s);
    t.par(u"inputtype1"_s, u"<input type=\""_s, u"\">"_s, u""_s);
    t.enkelt(u"keygen1"_s, u"<keygen>"_s, u""_s);
    t.par(u"labellabel1"_s, u"<label>"_s, u"</label>"_s, u""_s);
    t.par(u"legendlegend1"_s, u"<legend>"_s, u"</legend>"_s, u""_s);
    t.par(u"metermeter1"_s, u"<meter>"_s, u"</meter>"_s, u""_s);
    t.blok(u"optgroupoptgroup1"_s, u"<optgroup>"_s, u"</optgroup>"_s, u""_s);
    t.par(u"optionoption1"_s, u"<option>"_s, u"</option>"_s, u""_s);
    t.par(u"outputoutput1"_s, u"<output>"_s, u"</output>"_s, u""_s);
    t.blok(u"selectselect1"_s, u"<select>"_s, u"</select>"_s, u""_s);
    t.enkelt(u"textareatextarea1"_s, u"<textarea></textarea>"_s, u""_s);
}

const TabelBygger &tabel() {
    static const TabelBygger t = [] {
        TabelBygger b;
        bygTabel(b);
        return b;
    }();
    return t;
}

// Menu texts treat & as a mnemonic marker; captions show literally.
QString menuTekst(const QString &s) {
    return QString(s).replace(u'&', u"&&"_s);
}

void saetHint(QAction *a, const QString &hint) {
    a->setToolTip(hint);
    a->setStatusTip(hint);
}

} // namespace

const QList<TagMenu> &tagMenuer() {
    return tabel().menuer;
}

const QList<TagMenuPunkt> &tagMenuPunkter() {
    return tabel().punkter;
}

const TagMenuPunkt *findTagMenuPunkt(const QString &navn) {
    for (const TagMenuPunkt &p : tagMenuPunkter())
        if (p.navn == navn) return &p;
    return nullptr;
}

void udfoerTagPunkt(Tinfotag &taginf, const TagMenuPunkt &punkt) {
    switch (punkt.art) {
    case TagArt::Par:
        taginf.UdskrivKode(punkt.start, punkt.slut);
        break;
    case TagArt::Enkelt:
        taginf.UdskrivKode(punkt.start, QString());
        break;
    case TagArt::Blok:
    case TagArt::BlokPar:
        taginf.InsertLine(punkt.start, true, true, false);
        taginf.InsertLine(QString(), true, false, false);
        taginf.InsertLine(punkt.slut, false, false, true);
        if (punkt.art == TagArt::BlokPar) taginf.UdskrivKode(punkt.indreStart, punkt.indreSlut);
        break;
    }
}

void byggTagMenuer(QToolBar *htmlBar, QWidget *ejer,
                   std::function<void(const TagMenuPunkt &)> valgt) {
    for (const TagMenu &m : tagMenuer()) {
        auto *menu = new QMenu(ejer);
        menu->setObjectName(m.menu);

        auto *knap = new QToolButton(htmlBar);
        knap->setObjectName(m.knap);
        knap->setText(menuTekst(m.tekst));
        knap->setToolTip(m.hint);
        knap->setStatusTip(m.hint);
        knap->setToolButtonStyle(Qt::ToolButtonTextOnly);
        knap->setPopupMode(QToolButton::MenuButtonPopup);
        knap->setMenu(menu);
        htmlBar->addWidget(knap);

        QMenu *under = nullptr;
        for (const TagMenuPunkt &p : tagMenuPunkter()) {
            if (p.menu != m.menu) continue;
            if (p.undermenu.isEmpty()) {
                under = nullptr;
            } else if (!under || under->objectName() != p.undermenu) {
                under = new QMenu(menuTekst(p.undermenuTekst), menu);
                under->setObjectName(p.undermenu);
                saetHint(under->menuAction(), p.undermenuHint);
                menu->addMenu(under);
            }
            QMenu *hjem = under ? under : menu;
            if (p.separatorFoer) hjem->addSeparator();
            auto *a = new QAction(menuTekst(p.tekst()), hjem);
            a->setObjectName(p.navn);
            saetHint(a, p.hint);
            const TagMenuPunkt *punkt = &p;
            QObject::connect(a, &QAction::triggered, a, [valgt, punkt] { valgt(*punkt); });
            hjem->addAction(a);
        }
    }
}

const QList<Specialtegn> &specialtegn() {
    static const QList<Specialtegn> tegn{
        {QStringLiteral("MxMellemrum"), QStringLiteral("Mellemrum"),
         QStringLiteral("Udskriver et ekstra mellemrum"), QStringLiteral("&nbsp;")},
        {QStringLiteral("MxGreaterThan"), QStringLiteral("Større end"), {}, QStringLiteral("&gt;")},
        {QStringLiteral("MxMindreEnd"), QStringLiteral("Mindre end"), {}, QStringLiteral("&lt;")},
        {QStringLiteral("MxSpecialtegn"),
         QStringLiteral("Ampersant"),
         {},
         QStringLiteral("&amp;")}};
    return tegn;
}
