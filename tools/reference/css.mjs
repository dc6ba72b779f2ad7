// The structure "CSS": properties grouped as the data packages group them,
// at-rules, pseudo-classes, pseudo-elements and functions.

import mdnProperties from 'mdn-data/css/properties.json' with {type: 'json'};
import mdnAtRules from 'mdn-data/css/at-rules.json' with {type: 'json'};
import mdnSelectors from 'mdn-data/css/selectors.json' with {type: 'json'};
import mdnFunctions from 'mdn-data/css/functions.json' with {type: 'json'};
import mdnSyntaxes from 'mdn-data/css/syntaxes.json' with {type: 'json'};
import webrefCss from '@webref/css/css.json' with {type: 'json'};

import {Element, IKON, alfabetisk, esc, findere, sidenavn, understoettelse} from './felles.mjs';

// Property groups: Danish name and what the group is about. Groups share a
// name where one is a part of the other, so the tree stays short.
const GRUPPER = {
  'CSS Fonts': ['Skrift', 'skriftens familie, størrelse, vægt og stil'],
  'CSS Text': ['Tekst', 'hvordan tekst stilles op: justering, ombrydning, afstande og store bogstaver'],
  'CSS Text Decoration': ['Tekstpynt', 'streger under, over og gennem tekst, skygger og fremhævelser'],
  'CSS Color': ['Farver', 'farven på tekst og elementer og deres gennemsigtighed'],
  'CSS Backgrounds and Borders': ['Baggrund og kanter', 'baggrundsfarver og -billeder, kanter, runde hjørner og skygger'],
  'CSS Box Model': ['Boksmodellen', 'margener og fyld om hvert element'],
  'CSS Box Sizing': ['Størrelse', 'bredde og højde på elementer og deres grænser'],
  'CSS Logical Properties and Values': ['Logiske retninger', 'margener, fyld, kanter og størrelser angivet efter tekstens retning i stedet for top, bund, venstre og højre'],
  'CSS Display': ['Visning', 'hvordan et element vises: som blok, på linjen, som flex eller grid, eller slet ikke'],
  'CSS Flexible Box Layout': ['Flexbox', 'elementer stillet op på en række eller i en kolonne, der kan strække og krympe'],
  'CSS Grid Layout': ['Grid-layout', 'elementer placeret i et net af rækker og kolonner'],
  'CSS Box Alignment': ['Justering', 'hvordan elementer fordeles og justeres i flexbox, grid og blokke'],
  'CSS Positioned Layout': ['Placering', 'elementer flyttet ud af den almindelige rækkefølge: relativt, absolut, fast eller klæbende'],
  'CSS Anchor Positioning': ['Ankerplacering', 'elementer placeret i forhold til et andet element, fx en lille boks ved en knap'],
  'CSS Overflow': ['Overløb', 'hvad der sker med indhold, der ikke kan være i sit element'],
  'CSS Multi-column Layout': ['Spalter', 'tekst sat i flere spalter som i en avis'],
  'CSS Table': ['Tabeller', 'udseendet af tabeller: kanter mellem celler og opstilling'],
  'CSS Lists and Counters': ['Lister og tællere', 'punkttegn, numre og egne tællere'],
  'CSS Generated Content': ['Genereret indhold', 'indhold, som CSS selv sætter ind, fx med ::before'],
  'CSS Images': ['Billeder', 'hvordan billeder skaleres, beskæres og tegnes'],
  'CSS Transforms': ['Transformationer', 'elementer drejet, flyttet, skaleret eller skævvredet'],
  'CSS Transitions': ['Overgange', 'bløde overgange, når en egenskab skifter værdi'],
  'CSS Animations': ['Animationer', 'bevægelse styret af @keyframes'],
  'Scroll-driven Animations': ['Rulleanimationer', 'animationer, der følger rulningen af siden'],
  'CSS View Transitions': ['Visningsovergange', 'overgange mellem to tilstande af siden'],
  'Filter Effects': ['Filtre', 'sløring, gråtoner og andre effekter på elementer og baggrunde'],
  'Compositing and Blending': ['Blanding', 'hvordan farverne i et element blandes med det, der ligger bag'],
  'CSS Masking': ['Masker og beskæring', 'dele af et element skjult med en maske eller en form'],
  'CSS Shapes': ['Former', 'tekst, der flyder rundt om en form'],
  'CSS Basic User Interface': ['Brugerflade', 'markør, omrids, fokus og andre detaljer i samspillet med læseren'],
  'CSS Writing Modes': ['Skriveretning', 'vandret og lodret tekst og tekst fra højre mod venstre'],
  'CSS Inline': ['Linjer', 'hvordan elementer på en linje justeres lodret'],
  'CSS Fragmentation': ['Sideskift', 'hvor en side, spalte eller region må deles, fx ved udskrift'],
  'CSS Paged Media': ['Sideskift', 'hvor en side, spalte eller region må deles, fx ved udskrift'],
  'CSS Containment': ['Afgrænsning', 'dele af siden, som browseren kan tegne for sig'],
  'CSS Conditional Rules': ['Afgrænsning', 'dele af siden, som browseren kan tegne for sig'],
  'CSS Scroll Snap': ['Rulning', 'rulning, der standser ved bestemte steder, og andre detaljer ved rulning'],
  'CSS Overscroll Behavior': ['Rulning', 'rulning, der standser ved bestemte steder, og andre detaljer ved rulning'],
  'CSS Scroll Anchoring': ['Rulning', 'rulning, der standser ved bestemte steder, og andre detaljer ved rulning'],
  'CSS Scrollbars Styling': ['Rulning', 'rulning, der standser ved bestemte steder, og andre detaljer ved rulning'],
  'CSS Ruby': ['Ruby', 'opstilling af små udtaletekster over tegn'],
  'Scalable Vector Graphics': ['SVG', 'udseendet af tegninger i SVG: fyld, streger og markører'],
  'MathML': ['Formler', 'opstilling af matematiske formler'],
  'Motion Path': ['Bevægelsesbaner', 'elementer, der bevæger sig langs en bane'],
  'CSS Cascading and Inheritance': ['Arv og nulstilling', 'nulstilling af alle egenskaber på én gang'],
  'CSS Values and Units': ['Værdier', 'egenskaber omkring værdier og enheder'],
};
const OEVRIGE = ['Øvrige egenskaber', 'egenskaber, der ikke hører til en af de andre grupper'];

// Short Danish descriptions of the basic value types.
const TYPER = {
  length: 'en længde, fx <code>12px</code>, <code>1.5em</code> eller <code>2rem</code>',
  percentage: 'en procentdel, fx <code>50%</code>',
  'length-percentage': 'en længde eller en procentdel',
  number: 'et tal, fx <code>1.5</code>',
  integer: 'et helt tal, fx <code>3</code>',
  color: 'en farve, fx <code>teal</code>, <code>#336699</code> eller <code>rgb(51 102 153)</code>',
  url: 'en adresse skrevet som <code>url("../Billeder/sol.png")</code>',
  string: 'en tekst i anførselstegn',
  time: 'en tid, fx <code>0.3s</code> eller <code>200ms</code>',
  angle: 'en vinkel, fx <code>45deg</code>',
  image: 'et billede: en <code>url(...)</code> eller en farveovergang',
  'custom-ident': 'et navn, du selv vælger',
  'dashed-ident': 'et navn, du selv vælger, med to bindestreger foran, fx <code>--min-farve</code>',
  ratio: 'et forhold, fx <code>16 / 9</code>',
  position: 'en placering, fx <code>center</code> eller <code>left top</code>',
  'line-style': 'en stregtype, fx <code>solid</code>, <code>dashed</code> eller <code>dotted</code>',
  'line-width': 'en stregtykkelse: en længde eller <code>thin</code>, <code>medium</code>, <code>thick</code>',
  'easing-function': 'en tidskurve, fx <code>ease-in-out</code> eller <code>linear</code>',
  'single-transition': 'en overgang: egenskab, tid, tidskurve og forsinkelse',
  'family-name': 'navnet på en skrifttype, fx <code>Georgia</code>',
  'generic-family': 'en skriftfamilie, fx <code>serif</code> eller <code>sans-serif</code>',
  'absolute-size': 'en fast størrelse fra <code>xx-small</code> til <code>xxx-large</code>',
  'relative-size': '<code>larger</code> eller <code>smaller</code> end forælderens skrift',
  flex: 'en brøkdel af den ledige plads, fx <code>1fr</code>',
  resolution: 'en opløsning, fx <code>2dppx</code>',
  'box': 'en af boksens kanter: <code>content-box</code>, <code>padding-box</code> eller <code>border-box</code>',
  'visual-box': 'en af boksens kanter: <code>content-box</code>, <code>padding-box</code> eller <code>border-box</code>',
  shadow: 'en skygge: forskydning, sløring, spredning og farve',
  'bg-image': 'et baggrundsbillede eller <code>none</code>',
  'basic-shape': 'en form, fx <code>circle(50%)</code>',
  'transform-list': 'en eller flere transformationer, fx <code>rotate(10deg) scale(1.2)</code>',
  'transform-function': 'en transformation, fx <code>rotate(10deg)</code>',
  'filter-function-list': 'en eller flere filtre, fx <code>blur(2px) grayscale(1)</code>',
};
// Which elements a property applies to, for the data's most common cases;
// the rest say nothing rather than something half right.
const GAELDER = {
  allElements: 'alle elementer', allElementsAndText: 'alle elementer og tekst',
  allElementsAndPseudos: 'alle elementer og pseudoelementer', scrollContainers: 'elementer, der kan rulles',
  transformableElements: 'elementer, der kan transformeres', positionedElements: 'placerede elementer (position forskellig fra static)',
  gridContainers: 'grid-beholdere (display: grid)', flexContainers: 'flex-beholdere (display: flex)',
  flexItemsAndInFlowPseudos: 'elementer i en flex-beholder', gridItemsAndBoxesWithinGridContainer: 'elementer i en grid-beholder',
  blockContainers: 'blokbeholdere', blockLevelElements: 'blokelementer', textElements: 'tekst',
  absolutelyPositionedElements: 'absolut placerede elementer', multicolElements: 'elementer med spalter',
  listItems: 'listepunkter', tableElements: 'tabeller', tableCaptionElements: 'tabeloverskrifter (caption)',
  replacedElements: 'erstattede elementer som img og video', inlineLevelAndTableCellElements: 'elementer på linjen og tabelceller',
  blockContainersFlexContainersGridContainers: 'blok-, flex- og grid-beholdere',
  allElementsExceptTableDisplayTypes: 'alle elementer undtagen tabellernes dele',
  allElementsExceptInternalTableDisplayTypes: 'alle elementer undtagen tabellernes indre dele',
  sameAsWidthAndHeight: 'de samme elementer som width og height', sameAsMargin: 'de samme elementer som margin',
};
const STARTTEKST = {
  'see individual properties': 'se de enkelte egenskaber', 'depends on user agent': 'afhænger af browseren',
  'not defined for shorthand properties': 'se de enkelte egenskaber',
};
const FAELLES = ['inherit', 'initial', 'unset', 'revert', 'revert-layer'];

// A value that shows off a property in the example, by the type it takes.
function eksempelVaerdi(navn, syntaks) {
  const saerlige = {
    'font-size': '1.4em', 'font-family': 'Georgia, serif', 'font-weight': 'bold', 'font-style': 'italic',
    color: 'teal', 'background-color': '#fdf6e7', 'text-align': 'center', 'line-height': '2',
    'letter-spacing': '0.2em', 'word-spacing': '0.5em', 'text-transform': 'uppercase',
    'text-decoration': 'underline wavy teal', 'text-shadow': '1px 1px 2px #999', 'text-indent': '2em',
    border: '2px dashed teal', 'border-radius': '12px', 'box-shadow': '3px 3px 6px #999',
    padding: '1em', margin: '1em 3em', width: '60%', height: '4em', opacity: '0.5',
    display: 'inline-block', 'font-variant': 'small-caps', transform: 'rotate(-4deg)',
    'white-space': 'pre', 'writing-mode': 'vertical-rl', 'outline': '2px solid orange',
  };
  if (saerlige[navn]) return saerlige[navn];
  if (/<color>/.test(syntaks)) return 'teal';
  if (/<length/.test(syntaks) && /width|height|size|indent|spacing|gap|margin|padding|inset|top|left|right|bottom|radius/.test(navn)) return navn.includes('radius') ? '12px' : '1em';
  const ord = topAlternativer(syntaks).filter((a) => /^[a-z-]+$/.test(a) && !['none', 'auto', 'normal', 'initial'].includes(a));
  if (ord[0]) return ord[0];
  // No keyword to show: a plain value of the first type the syntax takes.
  const typer = [['<length-percentage', '1em'], ['<length', '1em'], ['<percentage', '50%'], ['<time', '0.5s'],
    ['<angle', '10deg'], ['<integer', '2'], ['<number', '1.5'], ['<string', '"»"'], ['<custom-ident', 'min-navn']];
  const fundet = typer.filter(([t]) => syntaks.includes(t)).sort((a, b) => syntaks.indexOf(a[0]) - syntaks.indexOf(b[0]));
  return fundet[0]?.[1] ?? null;
}

// The top-level alternatives of a value syntax: "a | b | [c d]" gives a, b, [c d].
export function topAlternativer(syntaks) {
  const ud = [];
  let dybde = 0;
  let nu = '';
  for (let i = 0; i < syntaks.length; ++i) {
    const c = syntaks[i];
    if (c === '[' || c === '(' || c === '<') ++dybde;
    if (c === ']' || c === ')' || c === '>') --dybde;
    if (c === '|' && dybde === 0 && syntaks[i + 1] !== '|' && syntaks[i - 1] !== '|') {
      ud.push(nu.trim());
      nu = '';
    } else {
      nu += c;
    }
  }
  if (nu.trim()) ud.push(nu.trim());
  return ud;
}

function vaerdiBeskrivelse(alt) {
  if (/^[a-z][a-z0-9-]*$/.test(alt)) return 'nøgleord';
  const type = /^<([a-z-]+)(?: \[[^\]]*\])?>$/.exec(alt);
  if (type) {
    if (TYPER[type[1]]) return TYPER[type[1]];
    return 'en værdi af typen <code>' + esc(`<${type[1]}>`) + '</code>, se nedenfor';
  }
  return 'en sammensat værdi; se syntaksen';
}

// Definitions of the value types a syntax names, one level deep.
function typeDefinitioner(syntaks) {
  const ud = [];
  for (const [, navn] of syntaks.matchAll(/<([a-z][a-z-]*)(?: \[[^\]]*\])?>/g)) {
    if (TYPER[navn] || ud.some((u) => u[0] === navn)) continue;
    const def = mdnSyntaxes[navn]?.syntax;
    if (def && def.length < 400) ud.push([navn, def]);
  }
  return ud;
}

export function lavCss(haand) {
  const rod = new Element('CSS', 'CSS', IKON.rod, {
    kodeOverskrift: false, art: 'opslag',
    lead: ['Her kan du slå CSS op: egenskaberne, som giver dine sider deres udseende, og de regler, vælgere og funktioner, de skrives med. Stå med markøren i et navn i designeditoren og tryk <span class="tast">Ctrl+Alt+C</span> eller <span class="knap">Css info..</span>; i en <code>style</code>-attribut på en side virker <span class="tast">Ctrl+Alt+H</span> også.',
      'Egenskaberne står i grupper efter emne; derefter kommer at-reglerne (der begynder med <code>@</code>), pseudoklasserne og pseudoelementerne (der skrives efter et eller to koloner i en vælger) og funktionerne.'],
    listeOverskrift: 'Grupperne',
  });
  const grupper = new Map();
  const gruppe = (mdnGruppe) => {
    const [navn, om] = GRUPPER[mdnGruppe] ?? OEVRIGE;
    if (!grupper.has(navn)) {
      grupper.set(navn, new Element(navn, sidenavn('gruppe', navn.replace(/[æÆ]/g, 'ae').replace(/[øØ]/g, 'oe').replace(/[åÅ]/g, 'aa')), IKON.gruppe,
          {kodeOverskrift: false, art: 'egenskabsgruppe', lead: [`Egenskaberne i gruppen ${esc(navn)} styrer ${om}.`], om, listeOverskrift: 'Egenskaberne'}));
    }
    return grupper.get(navn);
  };
  const webrefProp = new Map(webrefCss.properties.map((p) => [p.name, p]));

  const egenskaber = new Map();
  for (const [navn, p] of Object.entries(mdnProperties)) {
    if (navn.startsWith('-') || p.status === 'nonstandard' || p.status === 'obsolete') continue;
    const g = gruppe(p.groups?.[0]);
    const w = webrefProp.get(navn);
    const syntaks = w?.syntax ?? p.syntax;
    const e = new Element(navn, sidenavn('egenskab', navn), IKON.egenskab, {visNavn: navn, art: 'CSS-egenskab'});
    const i = e.indhold;
    const arves = p.inherited === true || w?.inherited === 'yes';
    i.lead = [`<code>${esc(navn)}</code> er en CSS-egenskab i gruppen ${esc(g.tekst)}, som styrer ${g.indhold.om}.`];
    if (p.status === 'experimental') i.lead.push('Egenskaben er ny og stadig under udvikling.');
    i.sti = `Gruppe: <a href="${g.side}.html">${esc(g.tekst)}</a>`;
    i.syntaks = esc(`${navn}: ${syntaks};`);
    const defs = typeDefinitioner(syntaks);
    if (defs.length) i.syntaksNote = defs.map(([n, d]) => `<code>${esc(`<${n}>`)}</code> = <code>${esc(d)}</code>`).join('<br>');
    const alts = topAlternativer(syntaks);
    i.tabel = {overskrift: 'Værdier', koloner: ['Værdi', 'Hvad det er'],
      raekker: alts.map((a) => [`<code>${esc(a)}</code>`, vaerdiBeskrivelse(a)]),
      note: `Desuden kan alle egenskaber have værdierne ${FAELLES.map((f) => `<code>${f}</code>`).join(', ')}.`};
    let start = w?.initial ?? (typeof p.initial === 'string' ? p.initial : null);
    if (start && STARTTEKST[start.toLowerCase()]) start = null;
    i.fakta = [
      ['Startværdi', start ? `<code>${esc(start)}</code>` : STARTTEKST[(w?.initial ?? '').toLowerCase()] ?? 'se de enkelte egenskaber'],
      ['Arves', arves ? 'ja: elementer inden i får samme værdi, hvis intet andet er sat' : 'nej'],
    ];
    if (GAELDER[p.appliesto]) i.fakta.push(['Gælder for', GAELDER[p.appliesto]]);
    if (Array.isArray(p.initial)) i.fakta.push(['Kortform for', p.initial.map((x) => `<code>${esc(x)}</code>`).join(', ')]);
    i.stoette = understoettelse(`css.properties.${navn}`);
    i.kortform = Array.isArray(p.initial) ? p.initial : [];
    const h = haand.get(navn);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else {
      const v = eksempelVaerdi(navn, syntaks);
      const klasse = `eks-${sidenavn(navn)}`;
      i.eksempel = v ?
        {html: `<p class="${klasse}">Her har afsnittet fået <code>${esc(navn)}: ${esc(v)}</code>.</p>`,
          css: `.${klasse} { ${navn}: ${v}; }`} :
        {html: `<p class="${klasse}">Et afsnit med sin egen regel.</p>`, css: `.${klasse} { ${navn}: ${alts[0]}; }`, vis: false};
    }
    egenskaber.set(navn, e);
    g.tilfoej(e);
  }
  const gruppeListe = [...grupper.values()].sort(alfabetisk);
  for (const g of gruppeListe) {
    g.born.sort(alfabetisk);
    rod.tilfoej(g);
  }
  for (const e of egenskaber.values()) {
    const fra = e.indhold.kortform.map((k) => egenskaber.get(k)).filter(Boolean);
    const soeskende = e.forælder.born.filter((b) => b !== e && !fra.includes(b));
    e.indhold.relaterede = [...fra, ...soeskende].slice(0, 12);
  }

  // At-rules.
  const atGruppe = rod.tilfoej(new Element('At-regler', 'gruppe-at-regler', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['En at-regel begynder med <code>@</code> og giver reglerne i designet en betingelse eller en særlig opgave: kun ved udskrift, kun på smalle skærme, egne skrifttyper eller animationer.'],
    listeOverskrift: 'At-reglerne'}));
  const webrefAt = new Map(webrefCss.atrules.map((a) => [a.name, a]));
  const atEksempler = {
    '@media': '@media (max-width: 600px) {\n  .spalte { width: 100%; }\n}',
    '@import': '@import url("farver.css");',
    '@font-face': '@font-face {\n  font-family: "Min skrift";\n  src: url("../Billeder/minskrift.woff2");\n}',
    '@keyframes': '@keyframes blink {\n  from { opacity: 1; }\n  to { opacity: 0.2; }\n}',
    '@page': '@page {\n  margin: 2cm;\n}',
    '@supports': '@supports (display: grid) {\n  .galleri { display: grid; }\n}',
    '@charset': '@charset "utf-8";',
  };
  for (const [navn, a] of Object.entries(mdnAtRules)) {
    if (a.status === 'nonstandard' || a.status === 'obsolete') continue;
    const e = atGruppe.tilfoej(new Element(navn, sidenavn('at', navn), IKON.andet, {visNavn: navn, art: 'at-regel'}));
    const i = e.indhold;
    i.lead = [`<code>${esc(navn)}</code> er en at-regel i CSS.`];
    i.sti = '<a href="gruppe-at-regler.html">At-regler</a>';
    i.syntaks = esc(a.syntax);
    const w = webrefAt.get(navn);
    const deskr = (w?.descriptors ?? []).filter((d) => !d.name.startsWith('-'));
    if (deskr.length) {
      i.tabel = {overskrift: navn === '@media' ? 'Medieegenskaber' : 'Beskrivelser', koloner: ['Navn', 'Værdi'],
        raekker: deskr.map((d) => [`<code>${esc(d.name)}</code>`, `<code>${esc(d.syntax ?? (d.type === 'range' ? 'et område' : ''))}</code>`])};
    }
    i.stoette = understoettelse(`css.at-rules.${navn.slice(1)}`);
    const h = haand.get(navn);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else {
      i.eksempel = {css: atEksempler[navn] ?? a.syntax.split('\n')[0]};
    }
  }
  atGruppe.born.sort(alfabetisk);

  // Pseudo-classes and pseudo-elements: the element text is the name the
  // editor's look-up gives with the caret on it, without colons and brackets.
  const pk = rod.tilfoej(new Element('Pseudoklasser', 'gruppe-pseudoklasser', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['En pseudoklasse skrives med ét kolon efter en vælger og rammer elementer i en bestemt tilstand, fx <code>a:hover</code> for et link, musen står over, eller <code>li:first-child</code> for det første punkt i en liste.'],
    listeOverskrift: 'Pseudoklasserne'}));
  const pe = rod.tilfoej(new Element('Pseudoelementer', 'gruppe-pseudoelementer', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['Et pseudoelement skrives med to koloner efter en vælger og rammer en del af et element, som ikke har sin egen kode, fx det første bogstav eller indhold sat ind før elementet.'],
    listeOverskrift: 'Pseudoelementerne'}));
  const pseudoVaerdi = {hover: 'background-color: #fdf6e7;', 'first-letter': 'font-size: 2em; color: teal;',
    'first-line': 'font-weight: bold;', before: 'content: "» "; color: teal;', after: 'content: " «"; color: teal;',
    marker: 'color: teal;', 'first-child': 'color: teal;', 'last-child': 'color: teal;', selection: 'background-color: #ffd;',
    placeholder: 'color: teal;'};
  for (const [fuld, s] of Object.entries(mdnSelectors)) {
    if (!fuld.startsWith(':') || /^::?-/.test(fuld) || s.status === 'nonstandard' || s.status === 'obsolete') continue;
    const element = fuld.startsWith('::');
    const kort = fuld.replace(/^::?/, '').replace(/\(\)$/, '');
    const g = element ? pe : pk;
    // ":host" and ":host()" are one name to the look-up: one page for both forms.
    const tvilling = g.born.find((b) => b.tekst === kort);
    if (tvilling) {
      tvilling.indhold.syntaks += '\r\n' + esc(`vælger${fuld.replace(/\(\)$/, '(…)')} { egenskab: værdi; }`);
      continue;
    }
    const e = g.tilfoej(new Element(kort, sidenavn(element ? 'pe' : 'pk', kort), IKON.andet,
        {visNavn: fuld, art: element ? 'pseudoelement' : 'pseudoklasse'}));
    const i = e.indhold;
    i.lead = [`<code>${esc(fuld)}</code> er et ${element ? 'pseudoelement' : 'pseudoklasse'} i CSS.`.replace('et pseudoklasse', 'en pseudoklasse')];
    i.sti = `<a href="${g.side}.html">${esc(g.tekst)}</a>`;
    i.syntaks = esc(`vælger${fuld.replace(/\(\)$/, '(…)')} { egenskab: værdi; }`);
    i.stoette = understoettelse(`css.selectors.${kort}`);
    const h = haand.get(fuld) ?? haand.get(fuld.replace(/\(\)$/, '')) ?? haand.get(kort);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else if (pseudoVaerdi[kort]) {
      const k = `eks-${kort}`;
      i.eksempel = kort.endsWith('child') ?
        {html: `<ul class="${k}">\n  <li>Første</li>\n  <li>Anden</li>\n  <li>Tredje</li>\n</ul>`, css: `.${k} li${fuld} { ${pseudoVaerdi[kort]} }`} :
        kort === 'placeholder' ? {html: `<input class="${k}" placeholder="Skriv her">`, css: `.${k}${fuld} { ${pseudoVaerdi[kort]} }`} :
        kort === 'marker' ? {html: `<ul class="${k}">\n  <li>Punkt</li>\n</ul>`, css: `.${k} li${fuld} { ${pseudoVaerdi[kort]} }`} :
        {html: `<p class="${k}">Et afsnit, der viser ${esc(fuld)}.</p>`, css: `.${k}${fuld} { ${pseudoVaerdi[kort]} }`};
    } else {
      i.eksempel = {css: `p${fuld.replace(/\(\)$/, '(…)')} {\n  color: teal;\n}`};
    }
  }
  pk.born.sort(alfabetisk);
  pe.born.sort(alfabetisk);

  // Functions.
  const fn = rod.tilfoej(new Element('Funktioner', 'gruppe-funktioner', IKON.gruppe, {kodeOverskrift: false, art: 'gruppe',
    lead: ['En CSS-funktion skrives som et navn med parenteser og giver en værdi: en beregning, en farve, en variabel eller en transformation.'],
    listeOverskrift: 'Funktionerne'}));
  const fnEksempler = {calc: 'width: calc(100% - 2em);', var: 'color: var(--min-farve);', rgb: 'color: rgb(0 128 128);',
    'linear-gradient': 'background-image: linear-gradient(to right, #fdf6e7, teal);', url: 'background-image: url("../Billeder/sol.png");',
    min: 'width: min(100%, 40em);', max: 'font-size: max(1em, 14px);', clamp: 'font-size: clamp(1em, 2.5vw, 2em);',
    hsl: 'color: hsl(180 100% 25%);', rotate: 'transform: rotate(-4deg);', scale: 'transform: scale(1.2);'};
  for (const [fuld, f] of Object.entries(mdnFunctions)) {
    if (f.status === 'nonstandard' || f.status === 'obsolete' || fuld.startsWith('-')) continue;
    const kort = fuld.replace(/\(\)$/, '');
    const e = fn.tilfoej(new Element(kort, sidenavn('fn', kort), IKON.metode, {visNavn: fuld, art: 'CSS-funktion'}));
    const i = e.indhold;
    i.lead = [`<code>${esc(fuld)}</code> er en funktion, som kan bruges i værdien af en CSS-egenskab.`];
    i.sti = '<a href="gruppe-funktioner.html">Funktioner</a>';
    i.syntaks = esc(f.syntax);
    i.stoette = understoettelse(`css.types.${kort}`, `css.types.image.${kort}`, `css.types.color.${kort}`, `css.types.transform-function.${kort}`, `css.types.basic-shape.${kort}`, `css.types.filter-function.${kort}`);
    const h = haand.get(fuld) ?? haand.get(kort);
    if (h) {
      i.lead = h.afsnit;
      i.eksempel = {html: h.html, css: h.css, js: h.js};
      i.haandskrevet = true;
    } else if (fnEksempler[kort]) {
      const k = `eks-${kort}`;
      i.eksempel = {html: `<p class="${k}">Et afsnit, der bruger ${esc(fuld)}.</p>`, css: `.${k} { ${fnEksempler[kort]}${kort === 'var' ? ' --min-farve: teal;' : ''} }`,
        vis: kort !== 'url'};
    } else {
      i.eksempel = {css: `.eksempel {\n  egenskab: ${f.syntax.replace(/\s+/g, ' ')};\n}`};
    }
  }
  fn.born.sort(alfabetisk);

  for (const g of rod.born) g.indhold.liste = g.born.map((b) => [b, '']);
  rod.indhold.liste = rod.born.map((g) => [g, g.indhold.om ? esc(g.indhold.om) : '']);
  return {rod, find: findere(rod)};
}
