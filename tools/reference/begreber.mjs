// Concept pages: in CSS the group "Grundbegreber" (selectors and combinators,
// units, value types, the cascade), in JavaScript the operators and syntax of
// the group "Sproget". The element text is what the editor's look-up hands the
// tree: a unit's name, a combinator's or an operator's own characters.

import mdnSelectors from 'mdn-data/css/selectors.json' with {type: 'json'};
import mdnSyntaxes from 'mdn-data/css/syntaxes.json' with {type: 'json'};
import mdnUnits from 'mdn-data/css/units.json' with {type: 'json'};

import {Element, IKON, esc, understoettelse} from './felles.mjs';

// Text, page, how it is written, kind, support key, mdn-data's name.
const VAELGERE = [
  ['Typevælger', 'vaelger-type', 'p { … }', 'typevælger', 'type', 'Type selectors'],
  ['Klassevælger', 'vaelger-klasse', '.klasse { … }', 'klassevælger', 'class', 'Class selectors'],
  ['Id-vælger', 'vaelger-id', '#id { … }', 'id-vælger', 'id', 'ID selectors'],
  ['*', 'vaelger-universal', '* { … }', 'universalvælger', 'universal', 'Universal selectors'],
  ['Attributvælger', 'vaelger-attribut', '[attribut="værdi"] { … }', 'attributvælger', 'attribute', 'Attribute selectors'],
  [',', 'vaelger-liste', 'A, B { … }', 'vælgerliste', 'list', 'Selector list'],
  ['Efterkommervælger', 'vaelger-efterkommer', 'A B { … }', 'kombinator', 'descendant', 'Descendant combinator'],
  ['>', 'vaelger-barn', 'A > B { … }', 'kombinator', 'child', 'Child combinator'],
  ['+', 'vaelger-naeste', 'A + B { … }', 'kombinator', 'next-sibling', 'Next-sibling combinator'],
  ['~', 'vaelger-senere', 'A ~ B { … }', 'kombinator', 'subsequent-sibling', 'Subsequent-sibling combinator'],
  ['||', 'vaelger-kolonne', 'A || B { … }', 'kombinator', 'column', 'Column combinator'],
  ['&', 'vaelger-indlejring', 'A { & B { … } }', 'indlejringsvælger', 'nesting', 'Nesting selector'],
  ['|', 'vaelger-navnerum', 'navnerum|B { … }', 'navnerumsadskiller', 'namespace', 'Namespace separator'],
  [':', 'vaelger-pseudoklasse', 'A:tilstand { … }', 'pseudoklasser', null, 'Pseudo-classes'],
  ['::', 'vaelger-pseudoelement', 'A::del { … }', 'pseudoelementer', null, 'Pseudo-elements'],
];

// Unit, kind, what one of it is; the order runs from the most used.
const LAENGDE = 'længde';
const ENHEDER = [
  ['px', LAENGDE, 'en pixel: 1/96 tomme, lige meget hvor stor skærmen er', 'length'],
  ['em', LAENGDE, 'elementets egen skriftstørrelse (i <code>font-size</code> selv: forælderens)', 'length.em'],
  ['rem', LAENGDE, 'skriftstørrelsen på sidens rod, <code>html</code>', 'length.rem'],
  ['%', 'procent', 'en hundrededel af en anden størrelse, som egenskaben selv bestemmer', 'percentage'],
  ['vw', LAENGDE, '1 % af vinduets bredde', 'length.vw'],
  ['vh', LAENGDE, '1 % af vinduets højde', 'length.vh'],
  ['vmin', LAENGDE, '1 % af vinduets mindste mål, bredden eller højden', 'length.vmin'],
  ['vmax', LAENGDE, '1 % af vinduets største mål, bredden eller højden', 'length.vmax'],
  ['ch', LAENGDE, 'bredden af tegnet 0 i elementets skrift', 'length.ch'],
  ['ex', LAENGDE, 'højden af et lille x i elementets skrift', 'length.ex'],
  ['cap', LAENGDE, 'højden af et stort bogstav i elementets skrift', 'length.cap'],
  ['ic', LAENGDE, 'bredden af et kinesisk skrifttegn (水) i elementets skrift', 'length.ic'],
  ['cm', LAENGDE, '96/2,54 px, altså 1/2,54 tomme', 'length'],
  ['mm', LAENGDE, '1/10 cm', 'length'],
  ['Q', LAENGDE, '1/4 mm', 'length.Q'],
  ['in', LAENGDE, 'en tomme: 2,54 cm eller 96 px', 'length'],
  ['pt', LAENGDE, 'et typografisk punkt: 1/72 tomme', 'length'],
  ['pc', LAENGDE, 'en pica: 12 pt eller 1/6 tomme', 'length'],
  ['fr', 'brøkdel', 'en andel af den ledige plads i et grid', 'flex'],
  ['deg', 'vinkel', '1/360 af en hel omgang', 'angle.deg'],
  ['turn', 'vinkel', 'en hel omgang: 360deg', 'angle.turn'],
  ['rad', 'vinkel', '180/π grader, cirka 57,3deg', 'angle.rad'],
  ['grad', 'vinkel', '1/400 af en hel omgang: 0,9deg', 'angle.grad'],
  ['s', 'tid', 'et sekund', 'time'],
  ['ms', 'tid', 'et millisekund: 1/1000 s', 'time'],
  ['Hz', 'frekvens', 'én svingning pr. sekund', 'frequency'],
  ['kHz', 'frekvens', '1000 Hz', 'frequency'],
  ['dpi', 'opløsning', 'punkter pr. tomme', 'resolution.dpi'],
  ['dpcm', 'opløsning', 'punkter pr. centimeter: 1dpcm svarer til 2,54dpi', 'resolution.dpcm'],
  ['dppx', 'opløsning', 'punkter pr. CSS-pixel: 1dppx svarer til 96dpi', 'resolution.dppx'],
  ['x', 'opløsning', 'det samme som <code>dppx</code>', 'resolution.x'],
];

// Value types: text, page, what the type is, support key.
const TYPER = [
  ['<length>', 'type-length', 'en længde: et tal med en enhed som <code>px</code>, <code>em</code> eller <code>cm</code>', 'length'],
  ['<number>', 'type-number', 'et tal uden enhed, fx <code>1.5</code>', 'number'],
  ['<integer>', 'type-integer', 'et helt tal, fx <code>3</code> eller <code>-1</code>', 'integer'],
  ['<color>', 'type-color', 'en farve: et navn, en hex-kode eller en farvefunktion', 'color'],
  ['Farvenavne', 'type-farvenavne', 'de 148 farver, der kan skrives med navn', 'color.named-color'],
  ['currentcolor', 'type-currentcolor', 'elementets egen tekstfarve brugt som farve', 'color.color'],
  ['transparent', 'type-transparent', 'helt gennemsigtig', 'color.transparent'],
  ['<string>', 'type-string', 'en tekst i anførselstegn', 'string'],
  ['<url>', 'type-url', 'en adresse på en fil', 'url'],
  ['<angle>', 'type-angle', 'en vinkel, fx <code>45deg</code>', 'angle'],
  ['<time>', 'type-time', 'en tid, fx <code>0.3s</code>', 'time'],
  ['<image>', 'type-image', 'et billede: en fil eller en farveovergang', 'image'],
];

const KASKADE = [
  ['Kaskaden', 'kaskade', 'hvilken regel der vinder, når flere giver samme egenskab en værdi'],
  ['Specificitet', 'kaskade-specificitet', 'hvor præcis en vælger er, regnet som tre tal'],
  ['important', 'kaskade-important', '<code>!important</code> giver én erklæring forrang'],
  ['Arv', 'kaskade-arv', 'egenskaber, der går videre til elementerne indeni'],
  ['inherit', 'kaskade-inherit', 'tag forælderens værdi'],
  ['initial', 'kaskade-initial', 'tag egenskabens startværdi'],
  ['unset', 'kaskade-unset', 'arv, hvis egenskaben arves, ellers startværdien'],
  ['revert', 'kaskade-revert', 'tilbage til browserens egen standard'],
];

function side(tekst, sidenavn, ikon, indhold, haand, sti) {
  const e = new Element(tekst, sidenavn, ikon, indhold);
  const i = e.indhold;
  i.sti = sti;
  const h = haand.get(tekst);
  if (h) {
    i.lead = h.afsnit;
    i.eksempel = {html: h.html, css: h.css, js: h.js};
    i.haandskrevet = true;
  }
  return e;
}

function undergruppe(over, tekst, sidenavn, om) {
  const g = over.tilfoej(new Element(tekst, sidenavn, IKON.gruppe,
      {kodeOverskrift: false, art: 'gruppe', lead: [om], listeOverskrift: 'Indhold'}));
  g.indhold.sti = `<a href="${over.side}.html">${esc(over.tekst)}</a>`;
  return g;
}

const farveSwatch = (n) => `<span class="farveproeve" style="background-color: ${n}"></span> <code>${n}</code>`;

// The CSS group, placed first in the tree: a beginner's questions come before the properties.
export function cssGrundbegreber(rod, haand) {
  const g = new Element('Grundbegreber', 'gruppe-grundbegreber', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['Grundbegreberne er det, alle regler i et stylesheet bygger på: vælgerne, der udpeger elementerne, enhederne og værdityperne, som værdierne skrives med, og kaskaden, der afgør, hvilken regel der vinder. Står markøren i designeditoren på en enhed som <code>px</code> eller på en kombinator som <code>&gt;</code>, lander opslaget på dens side i denne gruppe.'],
    listeOverskrift: 'Emnerne', om: 'vælgere, enheder, værdityper og kaskaden'});
  rod.born.unshift(g);
  g.forælder = rod;

  const v = undergruppe(g, 'Vælgere og kombinatorer', 'gruppe-vaelgere',
      'En vælger står foran de krøllede parenteser og udpeger de elementer, reglen gælder. Enkle vælgere rammer elementer efter navn, klasse, id eller attribut; kombinatorerne sætter dem sammen efter, hvor elementerne står i forhold til hinanden.');
  for (const [tekst, sidenavn, skrives, art, noegle, mdn] of VAELGERE) {
    if (!mdnSelectors[mdn]) throw new Error(`selector "${mdn}" is not in mdn-data`);
    // A lone sign says little in a heading or a link: show it as it is written.
    const visNavn = /^[A-Z]/.test(tekst) ? tekst : skrives.replace(/ \{ … \}$/, '').replace('A { & B { … } }', '& B');
    const e = v.tilfoej(side(tekst, sidenavn, IKON.info, {visNavn, art, syntaks: esc(skrives),
      lead: [`${esc(art)} i CSS.`]}, haand, `<a href="${v.side}.html">${esc(v.tekst)}</a>`));
    e.indhold.stoette = noegle ? understoettelse(`css.selectors.${noegle}`) : null;
  }

  const en = undergruppe(g, 'Enheder', 'gruppe-enheder',
      'En enhed skrives lige efter tallet uden mellemrum, fx <code>12px</code> eller <code>1.5em</code>. Længder er enten absolutte (<code>px</code>, <code>cm</code>, <code>pt</code>) eller relative til skriften eller vinduet (<code>em</code>, <code>rem</code>, <code>vw</code>); derudover findes enheder for vinkler, tid, frekvens og opløsning. Tallet <code>0</code> kan stå uden enhed.');
  const mdnEnheder = new Set(Object.keys(mdnUnits));
  for (const [navn, slags, hvad, noegle] of ENHEDER) {
    if (navn !== '%' && !mdnEnheder.delete(navn)) throw new Error(`unit "${navn}" is not in mdn-data`);
    const e = en.tilfoej(side(navn, navn === '%' ? 'enhed-procent' : `enhed-${navn}`, IKON.info,
        {visNavn: navn, art: navn === '%' ? 'procent' : `enhed (${slags})`, syntaks: esc(navn === '%' ? '50%' : `1${navn}`),
          lead: [`<code>${esc(navn)}</code> er ${hvad}.`]}, haand, `<a href="${en.side}.html">${esc(en.tekst)}</a>`));
    e.indhold.fakta = [['Slags', slags], ['Én enhed er', hvad]];
    e.indhold.stoette = understoettelse(`css.types.${noegle}`);
  }
  if (mdnEnheder.size) throw new Error(`units without a page: ${[...mdnEnheder].join(' ')}`);

  const t = undergruppe(g, 'Værdityper', 'gruppe-vaerdityper',
      'Hver egenskab tager værdier af bestemte typer. I syntaksen på egenskabernes sider står typerne i vinkelparenteser, fx <code>&lt;length&gt;</code> eller <code>&lt;color&gt;</code>; her står, hvordan en værdi af hver type skrives.');
  for (const [tekst, sidenavn, hvad, noegle] of TYPER) {
    const e = t.tilfoej(side(tekst, sidenavn, IKON.info, {visNavn: tekst, art: 'værditype',
      lead: [`${esc(tekst)} er ${hvad}.`]}, haand, `<a href="${t.side}.html">${esc(t.tekst)}</a>`));
    e.indhold.stoette = understoettelse(`css.types.${noegle}`);
    if (tekst === 'Farvenavne') {
      const navne = mdnSyntaxes['named-color'].syntax.split('|').map((s) => s.trim());
      e.indhold.tabel = {overskrift: `Alle ${navne.length} navne`, koloner: ['', '', '', ''], raekker: []};
      for (let r = 0; r < navne.length; r += 4) e.indhold.tabel.raekker.push(navne.slice(r, r + 4).map(farveSwatch));
    }
  }

  const k = undergruppe(g, 'Kaskade og arv', 'gruppe-kaskade',
      'Kaskaden er reglerne for, hvilken værdi et element ender med, når flere regler giver det samme egenskab: hvor reglen kommer fra, om den er vigtig, hvor præcis vælgeren er, og hvilken der står sidst. Hvad ingen regel sætter, arves fra forælderen eller får startværdien.');
  for (const [tekst, sidenavn, hvad] of KASKADE) {
    k.tilfoej(side(tekst, sidenavn, IKON.info, {visNavn: tekst === 'important' ? '!important' : tekst,
      kodeOverskrift: /^[a-z]/.test(tekst), art: /^[a-z]/.test(tekst) ? 'nøgleord' : 'begreb', lead: [`${hvad}.`]},
    haand, `<a href="${k.side}.html">${esc(k.tekst)}</a>`));
  }
  for (const x of [...g.born, ...g.born.flatMap((b) => b.born)]) x.indhold.kodeOverskrift ??= !/^[A-ZÆØÅ]/.test(x.tekst);
  for (const x of [g, ...g.born]) x.indhold.liste = x.born.map((b) => [b, '']);
  g.indhold.liste = g.born.map((b) => [b, '']);
  rod.indhold.liste.unshift([g, esc(g.indhold.om)]);
}

// Operator, page, name, how it is written, support key.
const OPERATORER = [
  ['=>', 'op-pil', 'pilefunktion', '(parametre) => udtryk', 'functions.arrow_functions'],
  ['?.', 'op-valgfri', 'valgfri kæde', 'objekt?.egenskab', 'operators.optional_chaining'],
  ['??', 'op-nullish', 'reserveværdi ved null og undefined', 'værdi ?? reserve', 'operators.nullish_coalescing'],
  ['...', 'op-spred', 'spredning og rest', '[...liste]', 'operators.spread'],
  ['`', 'op-skabelon', 'skabelontekst', '`tekst ${udtryk}`', 'grammar.template_literals'],
  ['===', 'op-lig', 'streng lighed', 'a === b', 'operators.strict_equality'],
  ['!==', 'op-ulig', 'streng ulighed', 'a !== b', 'operators.strict_inequality'],
  ['==', 'op-loes-lig', 'løs lighed', 'a == b', 'operators.equality'],
  ['!=', 'op-loes-ulig', 'løs ulighed', 'a != b', 'operators.inequality'],
  ['&&', 'op-og', 'logisk og', 'a && b', 'operators.logical_and'],
  ['||', 'op-eller', 'logisk eller', 'a || b', 'operators.logical_or'],
  ['!', 'op-ikke', 'logisk ikke', '!a', 'operators.logical_not'],
  ['?', 'op-betingelse', 'betinget udtryk', 'betingelse ? a : b', 'operators.conditional'],
  ['=', 'op-tildeling', 'tildeling', 'navn = værdi', 'operators.assignment'],
  ['+=', 'op-plus-lig', 'læg til', 'a += b', 'operators.addition_assignment'],
  ['++', 'op-plus-en', 'tæl én op', 'a++', 'operators.increment'],
  ['--', 'op-minus-en', 'tæl én ned', 'a--', 'operators.decrement'],
  ['+', 'op-plus', 'plus og sammensætning af tekst', 'a + b', 'operators.addition'],
  ['%', 'op-rest', 'rest ved division', 'a % b', 'operators.remainder'],
  ['**', 'op-potens', 'potens', 'a ** b', 'operators.exponentiation'],
  ['<', 'op-mindre', 'mindre end', 'a < b', 'operators.less_than'],
  ['>', 'op-stoerre', 'større end', 'a > b', 'operators.greater_than'],
  ['//', 'op-kommentar', 'kommentar', '// resten af linjen', null],
  ['Destrukturering', 'op-destrukturering', 'udpakning af lister og objekter', 'const { a, b } = objekt;', 'operators.destructuring'],
];

export function jsOperatorer(rod, haand) {
  const sprog = rod.born.find((b) => b.tekst === 'Sproget');
  const g = sprog.tilfoej(new Element('Operatorer og syntaks', 'gruppe-operatorer', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['Operatorerne regner, sammenligner og sætter værdier sammen; sammen med lidt særlig syntaks som pilefunktioner og skabelontekster er de det, et script er bygget af mellem nøgleordene. Står markøren i funktionseditoren på en operator som <code>===</code> eller <code>?.</code>, lander opslaget på dens side.'],
    listeOverskrift: 'Operatorerne'}));
  g.indhold.sti = `<a href="${sprog.side}.html">${esc(sprog.tekst)}</a>`;
  for (const [tekst, sidenavn, navn, skrives, noegle] of OPERATORER) {
    const e = g.tilfoej(side(tekst, sidenavn, IKON.info, {visNavn: tekst === '`' ? '`…`' : tekst, art: navn, syntaks: esc(skrives),
      kodeOverskrift: tekst !== 'Destrukturering', lead: [`<code>${esc(tekst)}</code>: ${esc(navn)}.`]},
    haand, `<a href="${g.side}.html">${esc(g.tekst)}</a>`));
    e.indhold.stoette = noegle ? understoettelse(`javascript.${noegle}`) : null;
  }
  g.indhold.liste = g.born.map((b) => [b, esc(b.indhold.art)]);
  sprog.indhold.lead.push('Operatorerne og den særlige syntaks, fx <code>=&gt;</code>, <code>?.</code> og skabelontekster, står i gruppen <a href="gruppe-operatorer.html">Operatorer og syntaks</a>.');
  sprog.indhold.liste = sprog.born.map((b) => [b, '']);
}
